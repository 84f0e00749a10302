// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_bmp.h"

#include <QFile>
#include <algorithm>
#include <map>

namespace {

struct CBox
{
    std::vector<std::pair<QRgb, int>> m_aColour; // colour and pixel count

    int Range(int nShift) const
    {
        int lo = 255, hi = 0;
        for (const auto& c : m_aColour) {
            const int v = (c.first >> nShift) & 0xff;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    }

    // The channel (as a bit shift) with the widest spread.
    int WidestShift() const
    {
        int best = 16;
        for (int shift : {8, 0})
            if (Range(shift) > Range(best))
                best = shift;
        return best;
    }

    QRgb Average() const
    {
        long long r = 0, g = 0, b = 0, n = 0;
        for (const auto& c : m_aColour) {
            r += qRed(c.first) * static_cast<long long>(c.second);
            g += qGreen(c.first) * static_cast<long long>(c.second);
            b += qBlue(c.first) * static_cast<long long>(c.second);
            n += c.second;
        }
        return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    }
};

int Distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::vector<QRgb> MedianCut(const std::map<QRgb, int>& histogram, int nColours)
{
    std::vector<CBox> boxes(1);
    for (const auto& c : histogram)
        boxes[0].m_aColour.push_back(c);
    while (static_cast<int>(boxes.size()) < nColours) {
        auto widest
            = std::max_element(boxes.begin(), boxes.end(), [](const CBox& a, const CBox& b) {
                  return a.Range(a.WidestShift()) < b.Range(b.WidestShift());
              });
        if (widest->m_aColour.size() < 2)
            break;
        const int shift = widest->WidestShift();
        auto& colours = widest->m_aColour;
        std::sort(colours.begin(), colours.end(), [shift](const auto& a, const auto& b) {
            return ((a.first >> shift) & 0xff) < ((b.first >> shift) & 0xff);
        });
        CBox upper;
        upper.m_aColour.assign(colours.begin() + colours.size() / 2, colours.end());
        colours.resize(colours.size() / 2);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const CBox& box : boxes)
        palette.push_back(box.Average());
    return palette;
}

void Put16(QByteArray& a, int v)
{
    a.append(char(v & 0xff));
    a.append(char((v >> 8) & 0xff));
}

void Put32(QByteArray& a, std::uint32_t v)
{
    Put16(a, int(v & 0xffff));
    Put16(a, int(v >> 16));
}

} // namespace

CIndexedImage Quantise(const QImage& source, int nColours)
{
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> histogram;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++histogram[img.pixel(x, y) | 0xff000000u];

    CIndexedImage out;
    out.m_nWidth = img.width();
    out.m_nHeight = img.height();
    if (static_cast<int>(histogram.size()) <= nColours) {
        for (const auto& c : histogram)
            out.m_aPalette.push_back(c.first);
    } else {
        out.m_aPalette = MedianCut(histogram, nColours);
    }
    std::map<QRgb, std::uint8_t> lookup;
    for (const auto& c : histogram) {
        int best = 0;
        for (int i = 1; i < static_cast<int>(out.m_aPalette.size()); ++i)
            if (Distance(c.first, out.m_aPalette[i]) < Distance(c.first, out.m_aPalette[best]))
                best = i;
        lookup[c.first] = static_cast<std::uint8_t>(best);
    }
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            out.m_aIndex.push_back(lookup[img.pixel(x, y) | 0xff000000u]);
    return out;
}

bool WriteBmp(const QString& strPath, const CIndexedImage& img, int nBits)
{
    const int colours = 1 << nBits;
    if ((nBits != 4 && nBits != 8) || static_cast<int>(img.m_aPalette.size()) > colours)
        return false;
    const int stride = ((img.m_nWidth * nBits + 31) / 32) * 4;
    const int paletteBytes = static_cast<int>(img.m_aPalette.size()) * 4;
    const int offset = 14 + 40 + paletteBytes;

    QByteArray a;
    a.append("BM");
    Put32(a, std::uint32_t(offset + stride * img.m_nHeight));
    Put32(a, 0);
    Put32(a, std::uint32_t(offset));
    Put32(a, 40);
    Put32(a, std::uint32_t(img.m_nWidth));
    Put32(a, std::uint32_t(img.m_nHeight)); // positive: rows bottom-up
    Put16(a, 1);
    Put16(a, nBits);
    Put32(a, 0); // BI_RGB, no compression
    Put32(a, std::uint32_t(stride * img.m_nHeight));
    Put32(a, 2835); // 72 dpi
    Put32(a, 2835);
    Put32(a, std::uint32_t(img.m_aPalette.size()));
    Put32(a, 0);
    for (QRgb c : img.m_aPalette) {
        a.append(char(qBlue(c)));
        a.append(char(qGreen(c)));
        a.append(char(qRed(c)));
        a.append(char(0));
    }
    for (int y = img.m_nHeight - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < img.m_nWidth; ++x) {
            const std::uint8_t index = img.m_aIndex[std::size_t(y) * img.m_nWidth + x];
            if (nBits == 8)
                row[x] = char(index);
            else
                row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        a.append(row);
    }
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(a) == a.size();
}
