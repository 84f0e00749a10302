// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture composed at two device pixels per picture pixel.
#include "picture_probe.h"
#include "render/scene.h"
#include "scene_rig.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb c_crKeyBlue = 0x006dc4;

// Aligned 2 x 2 device blocks inside rc (picture pixels) that hold both a pixel near crInk and a
// pixel near crPaper: an edge sharper than one picture pixel, which neither an enlarged
// 1x picture (uniform blocks) nor a smoothed one (no hard step) can show.
int SharpBlocks(const QImage& img, const QRect& rc, QRgb crInk, QRgb crPaper)
{
    int count = 0;
    for (int y = rc.top(); y <= rc.bottom(); ++y) {
        for (int x = rc.left(); x <= rc.right(); ++x) {
            bool ink = false, paper = false;
            for (int d = 0; d < 4; ++d) {
                const QRgb c = img.pixel(2 * x + d % 2, 2 * y + d / 2) & 0xffffffu;
                ink = ink || Probe::Near(c, crInk, 30);
                paper = paper || Probe::Near(c, crPaper, 30);
            }
            count += ink && paper ? 1 : 0;
        }
    }
    return count;
}

class SceneHiDpiTest : public ::testing::Test, protected CSceneRig
{
};

TEST_F(SceneHiDpiTest, BufferHoldsTwoByTwoDevicePixelsPerPicturePixel)
{
    const QImage img = ComposeAt(2);
    EXPECT_EQ(img.size(), QSize(800, 610));
    EXPECT_EQ(img.devicePixelRatio(), 2.0);
    EXPECT_EQ(m_scene.DevicePixelRatio(), 2);
    // A fractional ratio is kept: the buffer has that screen's device pixels, rounded up.
    m_scene.SetDevicePixelRatio(1.5);
    m_scene.Compose();
    EXPECT_EQ(m_scene.BackBuffer().size(), QSize(600, 458));
    EXPECT_EQ(m_scene.BackBuffer().devicePixelRatio(), 1.5);
    // Out of range: below 1 the picture stays at 1, above 8 at 8.
    for (qreal ratio : {0.5, 0.0, -2.0, 20.0}) {
        m_scene.SetDevicePixelRatio(ratio);
        EXPECT_EQ(m_scene.DevicePixelRatio(), ratio < 1 ? 1.0 : 8.0) << ratio;
    }
}

TEST_F(SceneHiDpiTest, BitmapsAndTextureAreEnlargedWithoutBlur)
{
    m_game.m_abKeyDown[5] = true;
    const QImage small = ComposeAt(1);
    const QImage big = ComposeAt(2);
    // Below the key labels: key bodies, a held key, the texture. Every device pixel equals
    // the picture pixel it belongs to at 1x.
    int mismatches = 0;
    for (int y = 2 * 170; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            mismatches += big.pixel(x, y) != small.pixel(x / 2, y / 2) ? 1 : 0;
    EXPECT_EQ(mismatches, 0);
    // A 2-pixel staff line covers exactly four device rows.
    EXPECT_EQ(big.pixel(100, 81) & 0xffffffu, 0xffffffu);
    for (int y = 82; y <= 85; ++y)
        EXPECT_EQ(big.pixel(100, y) & 0xffffffu, 0xff0000u) << y;
    EXPECT_EQ(big.pixel(100, 86) & 0xffffffu, 0xffffffu);
}

TEST_F(SceneHiDpiTest, TextIsDrawnAtFullResolution)
{
    m_game.m_bShowLevel = true;
    const QRect rcKeyLabels(9, 149, 380, 20), rcLength(322, 13, 66, 24), rcBanner(20, 45, 360, 60);
    const QImage big = ComposeAt(2);
    EXPECT_GE(SharpBlocks(big, rcKeyLabels, 0xffffff, c_crKeyBlue), 20);
    EXPECT_GE(SharpBlocks(big, rcLength, 0xff0000, 0xffffff), 20);
    EXPECT_GE(SharpBlocks(big, rcBanner, 0x0087ff, 0xffffff), 40);
    // The same probe on the 1x picture enlarged finds no such block.
    const QImage small = ComposeAt(1);
    const QImage enlarged
        = small.scaled(small.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(SharpBlocks(enlarged, rcKeyLabels, 0xffffff, c_crKeyBlue), 0);
    EXPECT_EQ(SharpBlocks(enlarged, rcBanner, 0x0087ff, 0xffffff), 0);
}

} // namespace
