// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace Artwork {
namespace {

constexpr int c_nSuper = 8; // supersampling factor of the anti-aliased shapes
constexpr QRgb c_crWhite = 0xffffffffu;
constexpr QRgb c_crNearWhite = 0xfffefefeu; // what an opaque edge becomes if it blends to white

// Paints at c_nSuper times the size (painter units are final pixels) and reduces by box filter.
// A pixel less than half covered is pure white; the rest is blended over crUnder, the colour
// the sprite mostly stands on in the game, and is never pure white.
QImage Flatten(int w, int h, QRgb crUnder, const std::function<void(QPainter&)>& paint)
{
    QImage big(w * c_nSuper, h * c_nSuper, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(c_nSuper, c_nSuper);
        paint(p);
    }
    QImage out(w, h, QImage::Format_RGB32);
    const int n = c_nSuper * c_nSuper;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < c_nSuper; ++sy) {
                for (int sx = 0; sx < c_nSuper; ++sx) {
                    const QRgb c = big.pixel(x * c_nSuper + sx, y * c_nSuper + sy);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    a += qAlpha(c);
                }
            }
            if (a * 2 < 255 * n) {
                out.setPixel(x, y, c_crWhite);
                continue;
            }
            const double rest = 1.0 - double(a) / (255.0 * n);
            const QRgb c = qRgb(qRound(double(r) / n + qRed(crUnder) * rest),
                qRound(double(g) / n + qGreen(crUnder) * rest),
                qRound(double(b) / n + qBlue(crUnder) * rest));
            out.setPixel(x, y, c == c_crWhite ? c_crNearWhite : c);
        }
    }
    return out;
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
        float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A rectangle whose bottom corners are rounded with radius r.
QPainterPath RoundedBottom(const QRectF& rc, qreal r)
{
    QPainterPath path;
    path.moveTo(rc.left(), rc.top());
    path.lineTo(rc.right(), rc.top());
    path.lineTo(rc.right(), rc.bottom() - r);
    path.arcTo(QRectF(rc.right() - 2 * r, rc.bottom() - 2 * r, 2 * r, 2 * r), 0, -90);
    path.lineTo(rc.left() + r, rc.bottom());
    path.arcTo(QRectF(rc.left(), rc.bottom() - 2 * r, 2 * r, 2 * r), -90, -90);
    path.closeSubpath();
    return path;
}

// Integer hash to [0, 1): the same inputs give the same grain on every run and machine.
double Hash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed ^ (std::uint32_t(x) * 0x27d4eb2du) ^ (std::uint32_t(y) * 0x165667b1u);
    h = (h ^ (h >> 15)) * 0x85ebca6bu;
    h = (h ^ (h >> 13)) * 0xc2b2ae35u;
    h ^= h >> 16;
    return double(h) / 4294967296.0;
}

// Smooth value noise on a lattice of nCell pixels that wraps around every nPeriod pixels.
double WrappedNoise(int x, int y, int nCell, int nPeriod, std::uint32_t seed)
{
    const int cells = nPeriod / nCell;
    const int ix = x / nCell, iy = y / nCell;
    const double fx = double(x % nCell) / nCell, fy = double(y % nCell) / nCell;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto at = [&](int cx, int cy) { return Hash(cx % cells, cy % cells, seed); };
    const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * sx;
    const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * sx;
    return top + (bottom - top) * sy;
}

QRgb PaletteEntry(int i)
{
    // Deep tan, orange tan, orange, warm yellow: 16 steps along these anchors.
    static const QColor anchors[]
        = {QColor(176, 110, 56), QColor(212, 138, 62), QColor(234, 166, 68), QColor(250, 212, 118)};
    const double t = double(i) / 15.0 * 3.0;
    const int a = std::min(2, int(t));
    return Mix(anchors[a], anchors[a + 1], t - a).rgb();
}

} // namespace

CIndexedImage PaintTexture()
{
    constexpr int c_nSize = 80;
    CIndexedImage tile;
    tile.m_nWidth = tile.m_nHeight = c_nSize;
    for (int i = 0; i < 16; ++i)
        tile.m_aPalette.push_back(PaletteEntry(i));
    for (int y = 0; y < c_nSize; ++y) {
        for (int x = 0; x < c_nSize; ++x) {
            const double cloud = 0.6 * WrappedNoise(x, y, 20, c_nSize, 11u)
                + 0.4 * WrappedNoise(x, y, 8, c_nSize, 23u);
            const double grain = Hash(x, y, 5u);
            const double v = 0.5 + 1.35 * (0.55 * cloud + 0.45 * grain - 0.5);
            tile.m_aIndex.push_back(std::uint8_t(std::clamp(int(v * 16), 0, 15)));
        }
    }
    return tile;
}

QImage PaintKey(const QColor& crBody, const QColor& crLight, const QColor& crDark)
{
    constexpr int c_nWidth = 48, c_nHeight = 71;
    constexpr qreal c_rRadius = 6.5;
    return Flatten(c_nWidth, c_nHeight, qRgb(220, 150, 70), [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.fillPath(RoundedBottom(QRectF(0, 0, c_nWidth, c_nHeight), c_rRadius), crDark);
        const QPainterPath inner
            = RoundedBottom(QRectF(1, 0, c_nWidth - 2, c_nHeight - 1.2), c_rRadius - 1);
        p.fillPath(inner, crBody);
        p.setClipPath(inner);
        // Light top edge fading into the body.
        QLinearGradient top(0, 0, 0, 5);
        top.setColorAt(0, crLight);
        top.setColorAt(1, crBody);
        p.fillRect(QRectF(0, 0, c_nWidth, 5), top);
        // A faint sheen down the left side and a darker lip at the bottom give the key depth.
        QLinearGradient side(1, 0, 4, 0);
        side.setColorAt(0, Mix(crBody, crLight, 0.45));
        side.setColorAt(1, crBody);
        p.fillRect(QRectF(1, 5, 3, c_nHeight - 12), side);
        QLinearGradient lip(0, c_nHeight - 11, 0, c_nHeight - 1);
        lip.setColorAt(0, crBody);
        lip.setColorAt(1, Mix(crBody, crDark, 0.6));
        p.fillRect(QRectF(0, c_nHeight - 11, c_nWidth, 11), lip);
    });
}

namespace {

// The round face shared by both smileys: a dark rim, a filled disc with a soft light spot.
void PaintFace(QPainter& p, const QColor& crRim, const QColor& crFace, const QColor& crShine)
{
    const QPointF centre(12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(crRim);
    p.drawEllipse(centre, 11.4, 11.4);
    QRadialGradient shade(QPointF(9, 8), 11);
    shade.setColorAt(0, crShine);
    shade.setColorAt(0.55, crFace);
    shade.setColorAt(1, crFace);
    p.setBrush(shade);
    p.drawEllipse(centre, 10.2, 10.2);
}

} // namespace

QImage PaintHappy()
{
    return Flatten(24, 24, qRgb(255, 255, 255), [](QPainter& p) {
        PaintFace(p, QColor(150, 105, 0), QColor(255, 255, 0), QColor(255, 255, 190));
        const QColor ink(45, 30, 0);
        p.setBrush(ink);
        p.drawEllipse(QPointF(8.5, 9.2), 1.35, 2.1);
        p.drawEllipse(QPointF(15.5, 9.2), 1.35, 2.1);
        QPainterPath smile;
        smile.moveTo(6.2, 13.6);
        smile.quadTo(12, 20.6, 17.8, 13.6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(smile);
    });
}

QImage PaintWorried()
{
    return Flatten(24, 24, qRgb(255, 255, 255), [](QPainter& p) {
        PaintFace(p, QColor(160, 70, 0), QColor(255, 145, 25), QColor(255, 205, 130));
        const QColor ink(60, 25, 0);
        // Brows raised towards the middle.
        p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.6, 7.4), QPointF(9.8, 5.2));
        p.drawLine(QPointF(14.2, 5.2), QPointF(18.4, 7.4));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(8.8, 10.3), 1.25, 1.8);
        p.drawEllipse(QPointF(15.2, 10.3), 1.25, 1.8);
        // A small round open mouth.
        p.setBrush(QColor(95, 25, 5));
        p.setPen(QPen(ink, 0.9));
        p.drawEllipse(QPointF(12, 17), 2.2, 2.5);
    });
}

bool WhiteOnlyOutside(const QImage& img)
{
    const int w = img.width(), h = img.height();
    std::vector<char> reached(std::size_t(w) * h, 0);
    std::vector<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || reached[std::size_t(y) * w + x])
            return;
        if ((img.pixel(x, y) & 0xffffffu) != 0xffffffu)
            return;
        reached[std::size_t(y) * w + x] = 1;
        todo.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint at = todo.back();
        todo.pop_back();
        visit(at.x() + 1, at.y());
        visit(at.x() - 1, at.y());
        visit(at.x(), at.y() + 1);
        visit(at.x(), at.y() - 1);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((img.pixel(x, y) & 0xffffffu) == 0xffffffu && !reached[std::size_t(y) * w + x])
                return false;
    return true;
}

} // namespace Artwork
