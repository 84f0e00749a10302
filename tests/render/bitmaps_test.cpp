// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bitmaps compiled into the program: file format, sizes, and where pure white lies.
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

constexpr QRgb c_crWhite = 0xffffff;

struct CBmpHeader
{
    bool m_bValid = false;
    int m_nWidth = 0, m_nHeight = 0, m_nBits = 0, m_nCompression = -1;
};

CBmpHeader ReadHeader(int nId)
{
    QFile file(QStringLiteral(":/BITMAP/%1").arg(nId));
    CBmpHeader header;
    if (!file.open(QIODevice::ReadOnly))
        return header;
    const QByteArray a = file.readAll();
    if (a.size() < 54 || !a.startsWith("BM"))
        return header;
    auto le = [&](int at, int n) {
        int v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(a[at + i]);
        return v;
    };
    header.m_bValid = true;
    header.m_nWidth = le(18, 4);
    header.m_nHeight = le(22, 4);
    header.m_nBits = le(28, 2);
    header.m_nCompression = le(30, 4);
    return header;
}

QImage Load(int nId)
{
    return QImage(QStringLiteral(":/BITMAP/%1").arg(nId)).convertToFormat(QImage::Format_RGB32);
}

QRgb At(const QImage& img, int x, int y)
{
    return img.pixel(x, y) & 0xffffffu;
}

// Pure white pixels that cannot be reached from the border through pure white: holes in the shape.
int EnclosedWhite(const QImage& img)
{
    const int w = img.width(), h = img.height();
    std::vector<char> outside(std::size_t(w) * h, 0);
    std::vector<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || outside[std::size_t(y) * w + x]
            || At(img, x, y) != c_crWhite)
            return;
        outside[std::size_t(y) * w + x] = 1;
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
        const QPoint p = todo.back();
        todo.pop_back();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            enclosed += At(img, x, y) == c_crWhite && !outside[std::size_t(y) * w + x] ? 1 : 0;
    return enclosed;
}

// The commonest colour of the shape (pure white, the outside, not counted).
QRgb MostCommon(const QImage& img)
{
    std::map<QRgb, int> histogram;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (At(img, x, y) != c_crWhite)
                ++histogram[At(img, x, y)];
    auto best = histogram.begin();
    for (auto it = histogram.begin(); it != histogram.end(); ++it)
        if (it->second > best->second)
            best = it;
    return best->first;
}

TEST(BitmapsTest, SizesAndColourDepths)
{
    const struct
    {
        int nId, nWidth, nHeight, nBits;
    } expected[] = {
        {121, 80, 80, 4}, {122, 48, 71, 8}, {123, 48, 71, 8}, {124, 24, 24, 8}, {125, 24, 24, 8}};
    for (const auto& e : expected) {
        const CBmpHeader header = ReadHeader(e.nId);
        ASSERT_TRUE(header.m_bValid) << e.nId;
        EXPECT_EQ(header.m_nWidth, e.nWidth) << e.nId;
        EXPECT_EQ(header.m_nHeight, e.nHeight) << e.nId;
        EXPECT_EQ(header.m_nBits, e.nBits) << e.nId;
        EXPECT_EQ(header.m_nCompression, 0) << e.nId;
        EXPECT_EQ(Load(e.nId).size(), QSize(e.nWidth, e.nHeight)) << e.nId;
    }
}

TEST(BitmapsTest, KeysAreWhiteOnlyOutsideTheirRoundedBottomCorners)
{
    for (const auto& [nId, crBody] : {std::pair<int, QRgb>(122, 0x006dc4), {123, 0xc40000}}) {
        const QImage key = Load(nId);
        EXPECT_EQ(MostCommon(key), crBody) << nId;
        EXPECT_EQ(EnclosedWhite(key), 0) << nId;
        int white = 0;
        for (int y = 0; y < key.height(); ++y) {
            for (int x = 0; x < key.width(); ++x) {
                if (At(key, x, y) != c_crWhite)
                    continue;
                ++white;
                const bool inCorner = y >= key.height() - 8 && (x < 8 || x >= key.width() - 8);
                EXPECT_TRUE(inCorner) << nId << " white at " << x << "," << y;
            }
        }
        EXPECT_GT(white, 4) << nId << ": the bottom corners are rounded";
        for (int x = 0; x < key.width(); ++x)
            EXPECT_NE(At(key, x, 0), c_crWhite) << nId << ": square top";
    }
}

TEST(BitmapsTest, FacesAreRoundWithNoWhiteInside)
{
    const QImage happy = Load(124), worried = Load(125);
    EXPECT_EQ(MostCommon(happy), 0xffff00u);
    const QRgb face = MostCommon(worried);
    EXPECT_TRUE(qRed(face) > 230 && qGreen(face) > 100 && qGreen(face) < 190 && qBlue(face) < 90)
        << std::hex << face << " is not orange";
    for (const QImage* pFace : {&happy, &worried}) {
        EXPECT_EQ(EnclosedWhite(*pFace), 0);
        // Round: the corners are transparent, the middle of each edge is not.
        EXPECT_EQ(At(*pFace, 0, 0), c_crWhite);
        EXPECT_EQ(At(*pFace, 23, 23), c_crWhite);
        EXPECT_NE(At(*pFace, 12, 1), c_crWhite);
        EXPECT_NE(At(*pFace, 1, 12), c_crWhite);
    }
}

TEST(BitmapsTest, TextureIsWarmAndFullyOpaque)
{
    const QImage texture = Load(121);
    for (int y = 0; y < texture.height(); ++y) {
        for (int x = 0; x < texture.width(); ++x) {
            const QRgb c = At(texture, x, y);
            ASSERT_TRUE(qRed(c) > qGreen(c) && qGreen(c) > qBlue(c)) << x << "," << y;
        }
    }
}

} // namespace
