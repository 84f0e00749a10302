// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The XOR / AND / XOR blit: exactly the transparent colour leaves the destination alone.
#include "render/transparent_bitmap.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr QRgb c_crWhite = 0xffffffffu;

QImage RandomImage(int w, int h, unsigned seed)
{
    std::mt19937 random(seed);
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, 0xff000000u | (random() & 0xffffffu));
    return img;
}

// A sprite of random colours with a white frame, white and almost-white specks, black pixels.
QImage TestSprite()
{
    QImage sprite = RandomImage(13, 9, 7);
    for (int x = 0; x < 13; ++x) {
        sprite.setPixel(x, 0, c_crWhite);
        sprite.setPixel(x, 8, qRgb(254, 255, 255));
    }
    sprite.setPixel(4, 4, c_crWhite);
    sprite.setPixel(5, 4, qRgb(255, 255, 254));
    sprite.setPixel(6, 4, qRgb(0, 0, 0));
    return sprite;
}

// What the blit must leave: the sprite's pixels except crTransparent, clipped to the image.
QImage Expected(const QImage& dest, const QImage& sprite, int x, int y, QRgb crTransparent)
{
    QImage out = dest.copy();
    for (int sy = 0; sy < sprite.height(); ++sy) {
        for (int sx = 0; sx < sprite.width(); ++sx) {
            const QRgb c = sprite.pixel(sx, sy);
            if ((c & 0xffffffu) != (crTransparent & 0xffffffu) && out.valid(x + sx, y + sy))
                out.setPixel(x + sx, y + sy, c);
        }
    }
    return out;
}

TEST(TransparentBitmapTest, PaintsEveryPixelButTheTransparentColourAlsoAtTheEdges)
{
    CTransparentBitmap bmp;
    bmp.Attach(TestSprite());
    ASSERT_EQ(bmp.GetWidth(), 13);
    ASSERT_EQ(bmp.GetHeight(), 9);
    const QImage sprite = TestSprite();
    // Inside, and cut off at each edge and corner of a 40 x 30 destination.
    const QPoint places[]
        = {{10, 10}, {-5, 12}, {33, 5}, {8, -4}, {20, 25}, {-7, -6}, {35, 26}, {-13, 0}, {40, 30}};
    for (QRgb transparent : {qRgb(255, 255, 255), qRgb(0, 0, 0)}) {
        for (const QPoint& at : places) {
            const QImage dest = RandomImage(40, 30, 99);
            QImage drawn = dest.copy();
            {
                QPainter dc(&drawn);
                bmp.DrawTransparent(&dc, at.x(), at.y(), transparent);
            }
            EXPECT_EQ(drawn, Expected(dest, sprite, at.x(), at.y(), transparent))
                << at.x() << "," << at.y() << " transparent " << std::hex << transparent;
        }
    }
}

TEST(TransparentBitmapTest, EnlargesWholePixelsOnATwiceDenseDestination)
{
    CTransparentBitmap bmp;
    const QImage sprite = TestSprite();
    bmp.Attach(sprite);
    const QImage dest = RandomImage(80, 60, 3);
    QImage drawn = dest.copy();
    drawn.setDevicePixelRatio(2);
    {
        QPainter dc(&drawn);
        bmp.DrawTransparent(&dc, 30, -2, qRgb(255, 255, 255)); // picture pixels
    }
    const QImage big
        = sprite.scaled(sprite.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage want = Expected(dest, big, 60, -4, qRgb(255, 255, 255));
    want.setDevicePixelRatio(2);
    EXPECT_EQ(drawn, want);
}

// A painter with a transform of its own gets the blit through its raster operations rather
// than the fused pixel loop; both must leave the same picture.
TEST(TransparentBitmapTest, TransformedPainterGivesTheSamePicture)
{
    CTransparentBitmap bmp;
    const QImage sprite = TestSprite();
    bmp.Attach(sprite);
    const QImage dest = RandomImage(40, 30, 17);
    for (const QPoint& at : {QPoint(3, 4), QPoint(-6, 25)}) {
        QImage drawn = dest.copy();
        {
            QPainter dc(&drawn);
            dc.translate(10, -3);
            bmp.DrawTransparent(&dc, at.x() - 10, at.y() + 3, qRgb(255, 255, 255));
        }
        EXPECT_EQ(drawn, Expected(dest, sprite, at.x(), at.y(), qRgb(255, 255, 255)));
    }
}

TEST(TransparentBitmapTest, LeavesThePainterAsItWas)
{
    CTransparentBitmap bmp;
    bmp.Attach(TestSprite());
    QImage dest = RandomImage(20, 20, 5);
    QPainter dc(&dest);
    dc.setCompositionMode(QPainter::CompositionMode_Multiply);
    dc.setPen(QColor(1, 2, 3));
    bmp.DrawTransparent(&dc, 2, 2, qRgb(255, 255, 255));
    EXPECT_EQ(dc.compositionMode(), QPainter::CompositionMode_Multiply);
    EXPECT_EQ(dc.pen().color(), QColor(1, 2, 3));
}

TEST(TransparentBitmapTest, BitmapThatDidNotLoadDrawsNothing)
{
    CTransparentBitmap bmp;
    EXPECT_FALSE(bmp.LoadBitmap(QStringLiteral(":/BITMAP/no-such-bitmap")));
    EXPECT_EQ(bmp.GetWidth(), 0);
    EXPECT_EQ(bmp.GetHeight(), 0);
    const QImage dest = RandomImage(20, 20, 11);
    QImage drawn = dest.copy();
    {
        QPainter dc(&drawn);
        bmp.DrawTransparent(&dc, 0, 0, qRgb(255, 255, 255));
    }
    EXPECT_EQ(drawn, dest);
    // A painter that is not painting is no target either.
    CTransparentBitmap loaded;
    loaded.Attach(TestSprite());
    QPainter idle;
    loaded.DrawTransparent(&idle, 0, 0, qRgb(255, 255, 255));
    loaded.DrawTransparent(nullptr, 0, 0, qRgb(255, 255, 255));
}

} // namespace
