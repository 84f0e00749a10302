// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette.h"

#include <QPainter>
#include <limits>

namespace {

// Squared distance with the usual luminance weights, so greys in anti-aliased text
// land on the grey ramp rather than on a saturated colour of similar brightness.
int Distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 6 * dg * dg + db * db;
}

} // namespace

QImage QuantizeToPalette(const QImage& img, const QVector<QRgb>& aPalette)
{
    const QImage src = img.convertToFormat(QImage::Format_RGB32);
    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(aPalette);
    for (int y = 0; y < src.height(); ++y) {
        const auto* pIn = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uchar* pOut = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x) {
            int nBest = 0;
            int nBestDistance = std::numeric_limits<int>::max();
            for (int i = 0; i < aPalette.size(); ++i) {
                const int d = Distance(pIn[x], aPalette[i]);
                if (d < nBestDistance) {
                    nBestDistance = d;
                    nBest = i;
                }
            }
            pOut[x] = static_cast<uchar>(nBest);
        }
    }
    return out;
}

QImage FlattenOnto(const QImage& img, QRgb crBackground)
{
    QImage out(img.size(), QImage::Format_RGB32);
    out.fill(crBackground);
    QPainter painter(&out);
    painter.drawImage(0, 0, img);
    return out;
}
