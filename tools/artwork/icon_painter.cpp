// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "icon_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

// The key blue of the game's keyboard and the smiley yellow, with their shades.
const QColor c_crKey(0, 109, 196);
const QColor c_crKeyLight(72, 160, 236);
const QColor c_crKeyDark(0, 74, 146);
const QColor c_crKeyEdge(0, 50, 104);
const QColor c_crHead(255, 234, 0);
const QColor c_crHeadLight(255, 255, 150);
const QColor c_crHeadEdge(150, 96, 0);
const QColor c_crFace(64, 40, 0);
const QColor c_crDialog(239, 239, 239);

// 16 x 16 pixel art: a rounded blue tile, white quaver stem and flag, yellow smiling head.
// . transparent  E edge  h highlight  b blue  d dark blue  W white  Y yellow  y yellow shade
// o head outline  k face
const char* const c_aszIcon16[16] = {
    "..EEEEEEEEEEEE..",
    ".EhhhhhhhhhhhhE.",
    "EhhhhhhhhWWWWhhE",
    "EbbbbbbbbWWWWWbE",
    "EbbbbbbbbWWbWWbE",
    "EbbbbbbbbWWbbWbE",
    "EbbboooobWWbbbbE",
    "EbboYYYYoWWbbbbE",
    "EboYkYYkYoWbbbbE",
    "EboYYYYYYobbbbbE",
    "EbokYYYYkobbbbbE",
    "EboYkkkkYobbbbbE",
    "EbboyyyyobbbbbbE",
    "EdddoooodddddddE",
    ".EddddddddddddE.",
    "..EEEEEEEEEEEE..",
};

QRgb PixelColour(char ch)
{
    switch (ch) {
    case 'E':
        return c_crKeyEdge.rgb();
    case 'h':
        return c_crKeyLight.rgb();
    case 'b':
        return c_crKey.rgb();
    case 'd':
        return c_crKeyDark.rgb();
    case 'W':
        return qRgb(255, 255, 255);
    case 'Y':
        return c_crHead.rgb();
    case 'y':
        return qRgb(236, 190, 0);
    case 'o':
        return c_crHeadEdge.rgb();
    case 'k':
        return c_crFace.rgb();
    default:
        return qRgba(0, 0, 0, 0);
    }
}

} // namespace

QImage CIconPainter::PixelIcon16()
{
    QImage img(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            img.setPixel(x, y, PixelColour(c_aszIcon16[y][x]));
    return img;
}

void CIconPainter::DrawTile(QPainter& painter, qreal nPixel, bool bStaff)
{
    // The tile's edge is one device pixel (two from 128 px up), kept on the pixel grid.
    const qreal nEdge = nPixel * (nPixel < 2.5 ? 2 : 1);
    const QRectF tile(8 + nEdge / 2, 8 + nEdge / 2, 240 - nEdge, 240 - nEdge);
    QLinearGradient body(0, 8, 0, 248);
    body.setColorAt(0, c_crKeyLight);
    body.setColorAt(0.45, c_crKey);
    body.setColorAt(1, c_crKeyDark);
    painter.setPen(QPen(c_crKeyEdge, nEdge));
    painter.setBrush(body);
    painter.drawRoundedRect(tile, 44, 44);

    // A soft gloss along the top edge, as on the game's keys.
    QLinearGradient gloss(0, 8, 0, 110);
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawRoundedRect(tile.adjusted(nEdge, nEdge, -nEdge, -130), 38, 38);

    if (!bStaff)
        return;
    // Three faint staff lines behind the note, each one device pixel thick on a pixel row.
    painter.setPen(QPen(QColor(255, 255, 255, 90), std::max(nPixel, 3.0)));
    for (const qreal y : {78.0, 110.0, 142.0}) {
        const qreal snapped = (std::floor(y / nPixel) + 0.5) * nPixel;
        painter.drawLine(QPointF(34, snapped), QPointF(222, snapped));
    }
}

void CIconPainter::DrawNote(QPainter& painter, qreal nPixel)
{
    // Stem and flag of a quaver, white, the stem's bottom hidden under the head.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const qreal stemLeft = std::round(150 / nPixel) * nPixel;
    const qreal stemRight = std::round(168 / nPixel) * nPixel;
    painter.drawRect(QRectF(stemLeft, 40, stemRight - stemLeft, 130));
    QPainterPath flag;
    flag.moveTo(stemRight - 2, 40);
    flag.cubicTo(172, 84, 226, 92, 208, 158);
    flag.cubicTo(210, 116, 186, 104, stemRight - 2, 100);
    flag.closeSubpath();
    painter.drawPath(flag);

    // The head: a smiling face.
    const QPointF centre(110, 178);
    QRadialGradient head(centre + QPointF(-18, -20), 70);
    head.setColorAt(0, c_crHeadLight);
    head.setColorAt(0.55, c_crHead);
    head.setColorAt(1, QColor(240, 196, 0));
    painter.setPen(QPen(c_crHeadEdge, std::max(nPixel, 5.0)));
    painter.setBrush(head);
    painter.drawEllipse(centre, 54, 54);

    painter.setPen(Qt::NoPen);
    painter.setBrush(c_crFace);
    painter.drawEllipse(centre + QPointF(-19, -16), 7.5, 11);
    painter.drawEllipse(centre + QPointF(19, -16), 7.5, 11);
    QPainterPath smile;
    smile.moveTo(centre + QPointF(-27, 8));
    smile.quadTo(centre + QPointF(0, 40), centre + QPointF(27, 8));
    painter.setPen(QPen(c_crFace, std::max(nPixel, 8.0), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(smile);
}

QImage CIconPainter::Icon(int nSize)
{
    if (nSize == 16)
        return PixelIcon16();
    QImage img(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal nScale = nSize / 256.0;
    painter.scale(nScale, nScale);
    DrawTile(painter, 1 / nScale, nSize >= 48);
    DrawNote(painter, 1 / nScale);
    painter.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage CIconPainter::AboutPicture()
{
    // One key of the little blue keyboard (square top, rounded bottom, light top edge)
    // carrying the smiling note.
    QImage img(36, 49, QImage::Format_ARGB32_Premultiplied);
    img.fill(c_crDialog);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath key;
    key.moveTo(1.5, 0.5);
    key.lineTo(34.5, 0.5);
    key.lineTo(34.5, 40.5);
    key.quadTo(34.5, 48.5, 26.5, 48.5);
    key.lineTo(9.5, 48.5);
    key.quadTo(1.5, 48.5, 1.5, 40.5);
    key.closeSubpath();
    QLinearGradient body(0, 0, 0, 49);
    body.setColorAt(0, c_crKeyLight);
    body.setColorAt(0.12, c_crKey);
    body.setColorAt(1, c_crKeyDark);
    painter.setPen(QPen(c_crKeyEdge, 1));
    painter.setBrush(body);
    painter.drawPath(key);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.drawLine(QPointF(2.5, 1.5), QPointF(33.5, 1.5));

    const qreal nScale = 0.165;
    painter.translate(18 - 140 * nScale, 3);
    painter.scale(nScale, nScale);
    DrawNote(painter, 1 / nScale);
    painter.end();
    return img.convertToFormat(QImage::Format_RGB32);
}
