// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Big texts with shadows: drawn straight or through their layer, the picture is the same.
#include "render/cell_font.h"
#include "render/shadowed_text.h"

#include <QPainter>
#include <QtMath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QImage Background(qreal dRatio)
{
    QImage img(qCeil(400 * dRatio), qCeil(120 * dRatio), QImage::Format_RGB32);
    img.setDevicePixelRatio(dRatio);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x * 7) & 0xff, (y * 5) & 0xff, 200));
    return img;
}

// Pixels that differ by more than one step in any channel.
int Differences(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            count += std::abs(qRed(p) - qRed(q)) > 1 || std::abs(qGreen(p) - qGreen(q)) > 1
                    || std::abs(qBlue(p) - qBlue(q)) > 1
                ? 1
                : 0;
        }
    }
    return count;
}

TEST(ShadowedTextTest, LayerMatchesStraightDrawingAtEveryRatio)
{
    CCellFont font;
    font.Create(QStringLiteral("Comic Sans MS"), 50, QFont::Bold);
    const QPen shadow(QColor(255, 180, 180)), text(QColor(0, 135, 255));
    // At 1.5 and 2.5 the layer lies on a fractional device position of the text.
    for (qreal ratio : {1.0, 1.5, 2.0, 2.5, 3.0}) {
        QImage straight = Background(ratio);
        {
            QPainter dc(&straight);
            dc.setPen(shadow);
            font.DrawCentred(dc, 202, 47, QStringLiteral("Level 4: 6 Notes"));
            dc.setPen(text);
            font.DrawCentred(dc, 200, 45, QStringLiteral("Level 4: 6 Notes"));
        }
        CShadowedText shadowed;
        QImage layered = Background(ratio);
        for (int frame = 0; frame < 2; ++frame) { // the second frame reuses the layer
            layered = Background(ratio);
            QPainter dc(&layered);
            shadowed.Draw(dc, font, 200, 45, QStringLiteral("Level 4: 6 Notes"), shadow, text);
        }
        EXPECT_NE(layered, Background(ratio)) << ratio;
        // Where the text's and the shadow's shaded edges overlap, blending them in the layer
        // first can round a channel differently by a step or two: a pixel or two at most.
        EXPECT_LE(Differences(straight, layered), ratio == qFloor(ratio) ? 0 : 2)
            << "ratio " << ratio;
    }
}

TEST(ShadowedTextTest, NewTextOrColourRepaintsTheLayer)
{
    CCellFont font;
    font.Create(QStringLiteral("Comic Sans MS"), 50, QFont::Bold);
    const QPen green(QColor(0, 110, 0)), gold(QColor(255, 215, 0)), blue(QColor(90, 135, 255));
    CShadowedText shadowed;
    auto draw = [&](const QString& str, const QPen& pen) {
        QImage img = Background(2);
        QPainter dc(&img);
        shadowed.Draw(dc, font, 200, 40, str, green, pen);
        dc.end();
        return img;
    };
    const QImage first = draw(QStringLiteral("That's it!"), gold);
    EXPECT_NE(draw(QStringLiteral("Well done!"), gold), first);
    EXPECT_NE(draw(QStringLiteral("That's it!"), blue), first);
    EXPECT_EQ(draw(QStringLiteral("That's it!"), gold), first);
}

} // namespace
