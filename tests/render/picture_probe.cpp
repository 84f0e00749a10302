// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_probe.h"

#include <QtMath>
#include <cstdlib>

namespace Probe {

namespace {

qreal Ratio(const QImage& img)
{
    return std::max(qreal(1), img.devicePixelRatio());
}

// The device pixels that show the picture rectangle rc.
QRect DeviceRect(const QImage& img, const QRect& rc)
{
    const qreal n = Ratio(img);
    return QRect(QPoint(qFloor(rc.left() * n), qFloor(rc.top() * n)),
        QPoint(qCeil((rc.right() + 1) * n) - 1, qCeil((rc.bottom() + 1) * n) - 1))
        .intersected(img.rect());
}

} // namespace

QRgb At(const QImage& img, int x, int y)
{
    const qreal n = Ratio(img);
    return img.pixel(qFloor(x * n + 0.01), qFloor(y * n + 0.01)) & 0xffffffu;
}

int Count(const QImage& img, const QRect& rc, const std::function<bool(QRgb)>& test)
{
    const QRect device = DeviceRect(img, rc);
    int count = 0;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            count += test(img.pixel(x, y) & 0xffffffu) ? 1 : 0;
    return count;
}

QRect Bounds(const QImage& img, const QRect& rc, const std::function<bool(QRgb)>& test)
{
    const qreal n = Ratio(img);
    const QRect device = DeviceRect(img, rc);
    QRect found;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            if (test(img.pixel(x, y) & 0xffffffu))
                found |= QRect(qFloor(x / n), qFloor(y / n), 1, 1);
    return found;
}

int SpriteMismatches(const QImage& img, const QImage& sprite, int x, int y, const QRect& part)
{
    int mismatches = 0;
    for (int sy = part.top(); sy <= part.bottom(); ++sy) {
        for (int sx = part.left(); sx <= part.right(); ++sx) {
            const QRgb want = sprite.pixel(sx, sy) & 0xffffffu;
            if (want != 0xffffffu && At(img, x + sx, y + sy) != want)
                ++mismatches;
        }
    }
    return mismatches;
}

bool Near(QRgb c, QRgb want, int tolerance)
{
    return std::abs(qRed(c) - qRed(want)) <= tolerance
        && std::abs(qGreen(c) - qGreen(want)) <= tolerance
        && std::abs(qBlue(c) - qBlue(want)) <= tolerance;
}

} // namespace Probe
