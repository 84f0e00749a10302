#include "picture_probe.h"

#include <cstdlib>

namespace Probe {

namespace {

int Ratio(const QImage& img)
{
    return std::max(1, qRound(img.devicePixelRatio()));
}

} // namespace

QRgb At(const QImage& img, int x, int y)
{
    const int n = Ratio(img);
    return img.pixel(x * n, y * n) & 0xffffffu;
}

int Count(const QImage& img, const QRect& rc, const std::function<bool(QRgb)>& test)
{
    const int n = Ratio(img);
    const QRect device = QRect(rc.topLeft() * n, rc.size() * n).intersected(img.rect());
    int count = 0;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            count += test(img.pixel(x, y) & 0xffffffu) ? 1 : 0;
    return count;
}

QRect Bounds(const QImage& img, const QRect& rc, const std::function<bool(QRgb)>& test)
{
    const int n = Ratio(img);
    const QRect device = QRect(rc.topLeft() * n, rc.size() * n).intersected(img.rect());
    QRect found;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            if (test(img.pixel(x, y) & 0xffffffu))
                found |= QRect(x / n, y / n, 1, 1);
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
