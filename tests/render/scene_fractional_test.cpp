// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture at fractional device pixel ratios: lines and fills cover whole device pixels,
// texts are drawn at the device resolution, bitmaps are enlarged without blur.
#include "game/melody_game.h"
#include "picture_probe.h"
#include "render/scene.h"
#include "scene_rig.h"

#include <QSet>
#include <QtMath>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr QRgb c_crRed = 0xff0000;
constexpr QRgb c_crWhite = 0xffffff;
constexpr QRgb c_crBlack = 0x000000;
constexpr qreal c_adRatio[] = {1.25, 1.5, 3.0};

class SceneFractionalTest : public ::testing::TestWithParam<qreal>, protected CSceneRig
{
};

// Device rows of one colour in column x, from device row y0 on, before another colour starts.
int RunDown(const QImage& img, int x, int y0)
{
    const QRgb c = img.pixel(x, y0);
    int y = y0;
    while (y < img.height() && img.pixel(x, y) == c)
        ++y;
    return y - y0;
}

TEST_P(SceneFractionalTest, StaffLinesAndFrameAreWholeDevicePixelsWithoutShades)
{
    const qreal r = GetParam();
    const QImage img = ComposeAt(r);
    ASSERT_EQ(img.size(), QSize(qCeil(400 * r), qCeil(305 * r)));
    // Left of the length label the field holds nothing but its white and the red lines: no
    // shade in between anywhere.
    const int x0 = qRound(6 * r), x1 = qRound(320 * r), y0 = qRound(11 * r), y1 = qRound(136 * r);
    int shades = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const QRgb c = img.pixel(x, y) & 0xffffffu;
            shades += c != c_crWhite && c != c_crRed ? 1 : 0;
        }
    EXPECT_EQ(shades, 0);
    // Every line is the same number of whole device rows: its 2 pixels times r, rounded.
    const int x = qRound(200 * r);
    for (int j = 0; j < 5; ++j) {
        int top = qFloor((41 + 16 * j) * r) - 1;
        while ((img.pixel(x, top) & 0xffffffu) != c_crRed)
            ++top;
        EXPECT_EQ(RunDown(img, x, top), qRound(2 * r)) << "line " << j;
        EXPECT_EQ(img.pixel(x, top - 1) & 0xffffffu, c_crWhite);
    }
    // The frame: whole rows of black above the field and a white row right inside.
    const int frameTop = qRound(9 * r);
    EXPECT_EQ(img.pixel(x, frameTop) & 0xffffffu, c_crBlack);
    EXPECT_EQ(RunDown(img, x, frameTop), qRound(11 * r) - frameTop);
    EXPECT_EQ(img.pixel(x, qRound(11 * r)) & 0xffffffu, c_crWhite);
}

// Shaded (anti-aliased) device pixels per ink pixel of a text in the picture rectangle rc:
// pixels near one of the ink colours are ink, near one of the paper colours background, the
// rest shades. Drawn at the device resolution the shaded edge stays one device pixel wide
// while the ink grows with the area, so the figure falls as 1 / r; an enlarged 1x text keeps
// the 1x figure, and one point-sampled from a larger picture loses most of its shades.
double ShadedPerInk(const QImage& img, const QRect& rc, std::initializer_list<QRgb> inks,
    std::initializer_list<QRgb> papers)
{
    const qreal r = img.devicePixelRatio();
    const QRect device(
        qRound(rc.x() * r), qRound(rc.y() * r), qRound(rc.width() * r), qRound(rc.height() * r));
    auto nearAny = [](QRgb c, std::initializer_list<QRgb> colours) {
        return std::any_of(
            colours.begin(), colours.end(), [c](QRgb want) { return Probe::Near(c, want, 24); });
    };
    int ink = 0, shaded = 0;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            const QRgb c = img.pixel(x, y) & 0xffffffu;
            ink += nearAny(c, inks) ? 1 : 0;
            shaded += !nearAny(c, inks) && !nearAny(c, papers) ? 1 : 0;
        }
    }
    return ink > 0 ? double(shaded) / ink : 0.0;
}

QImage Resampled(const QImage& img, const QSize& size, qreal r)
{
    QImage scaled = img.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(r);
    return scaled;
}

TEST_P(SceneFractionalTest, TextsAreDrawnAtTheDeviceResolution)
{
    const qreal r = GetParam();
    m_game.m_bShowLevel = true;
    const QImage img = ComposeAt(r);
    const QImage small = ComposeAt(1);
    const QImage enlarged = Resampled(small, img.size(), r);
    const QImage sampled = Resampled(ComposeAt(qCeil(r)), img.size(), r);
    const QRect rcLabel(322, 13, 62, 22), rcBanner(60, 50, 280, 40);

    // The length label: red on white, small glyphs from the glyph cache.
    const double labelOne = ShadedPerInk(small, rcLabel, {c_crRed}, {c_crWhite});
    const double label = ShadedPerInk(img, rcLabel, {c_crRed}, {c_crWhite});
    ASSERT_GT(labelOne, 0.5);
    EXPECT_LE(label, labelOne / r);
    EXPECT_GE(ShadedPerInk(enlarged, rcLabel, {c_crRed}, {c_crWhite}), 0.9 * labelOne)
        << "the probe tells an enlarged picture apart";
    if (r != qCeil(r)) {
        EXPECT_GE(label, 0.55 * labelOne / r) << "edges keep their shades";
        EXPECT_LT(ShadedPerInk(sampled, rcLabel, {c_crRed}, {c_crWhite}), 0.55 * labelOne / r)
            << "the probe tells a point-sampled picture apart";
    }
    // The banner and its shadow over the staff; at 1.5 and 3 its glyphs come through a layer.
    const std::initializer_list<QRgb> bannerInk = {0x0087ff, 0xffb4b4};
    const std::initializer_list<QRgb> bannerPaper = {c_crWhite, c_crRed};
    const double bannerOne = ShadedPerInk(small, rcBanner, bannerInk, bannerPaper);
    EXPECT_LE(ShadedPerInk(img, rcBanner, bannerInk, bannerPaper), bannerOne / r);
    EXPECT_GE(ShadedPerInk(enlarged, rcBanner, bannerInk, bannerPaper), 0.9 * bannerOne);
}

TEST_P(SceneFractionalTest, BitmapsAreEnlargedWithoutBlurAndKeysStillAbut)
{
    const qreal r = GetParam();
    const QImage img = ComposeAt(r);
    const QImage key = QImage(QStringLiteral(":/BITMAP/122")).convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < key.height(); ++y)
        for (int x = 0; x < key.width(); ++x)
            colours.insert(key.pixel(x, y) & 0xffffffu);
    // Within the key bodies (below the labels) every device pixel is a colour of the bitmap.
    int foreign = 0;
    for (int y = qRound(175 * r); y < qRound(205 * r); ++y)
        for (int x = qRound(5 * r); x < qRound(384 * r); ++x)
            foreign += colours.contains(img.pixel(x, y) & 0xffffffu) ? 0 : 1;
    EXPECT_EQ(foreign, 0);
}

INSTANTIATE_TEST_SUITE_P(Ratios, SceneFractionalTest, ::testing::ValuesIn(c_adRatio));

} // namespace
