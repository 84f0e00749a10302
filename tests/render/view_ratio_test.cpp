// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The view keeps the picture at its window's device pixel ratio and shows it one to one.
#include "game/melody_game.h"
#include "picture_probe.h"
#include "render/scene.h"
#include "window/game_view.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QtMath>
#include <gtest/gtest.h>

namespace {

class GameViewRatioTest : public ::testing::Test
{
protected:
    GameViewRatioTest()
        : m_game(m_host)
        , m_scene(m_game)
        , m_view(m_scene, m_game)
    {
        m_view.setFixedSize(390, 226);
    }

    CQuietHost m_host;
    CMelodyGame m_game;
    CScene m_scene;
    CGameView m_view;
};

TEST_F(GameViewRatioTest, PictureComposedForAnotherScreenIsComposedAgainWhenShown)
{
    // As if the window had been on a screen of another ratio: the picture is at 2.5 (at 3
    // when the test runs at 2.5 itself).
    m_view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_view));
    const qreal ratio = m_view.devicePixelRatioF();
    // Run under QT_SCALE_FACTOR, the window has that ratio.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    const qreal other = ratio == 2.5 ? 3.0 : 2.5;
    m_scene.SetDevicePixelRatio(other);
    m_scene.Compose();
    const QImage shot = m_view.grab().toImage();
    EXPECT_EQ(m_scene.DevicePixelRatio(), ratio);
    ASSERT_EQ(m_scene.BackBuffer().size(), QSize(qCeil(400 * ratio), qCeil(305 * ratio)));
    // What the window shows is the back buffer, device pixel for device pixel.
    const QImage& back = m_scene.BackBuffer();
    ASSERT_EQ(shot.devicePixelRatio(), ratio);
    int mismatches = 0;
    for (int y = 0; y < std::min(shot.height(), back.height()); ++y)
        for (int x = 0; x < std::min(shot.width(), back.width()); ++x)
            mismatches += (shot.pixel(x, y) & 0xffffffu) != (back.pixel(x, y) & 0xffffffu);
    EXPECT_EQ(mismatches, 0);
}

TEST_F(GameViewRatioTest, ScreenChangeComposesAtTheNewRatioAtOnce)
{
    m_view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_view));
    const qreal ratio = m_view.devicePixelRatioF();
    m_scene.SetDevicePixelRatio(ratio + 1);
    m_scene.Compose();
    QEvent change(QEvent::ScreenChangeInternal);
    QCoreApplication::sendEvent(&m_view, &change);
    EXPECT_EQ(m_scene.DevicePixelRatio(), ratio);
    EXPECT_EQ(m_scene.BackBuffer().size(), QSize(qCeil(400 * ratio), qCeil(305 * ratio)));
    // Composed, not only resized: the start picture's blue keys are there.
    EXPECT_EQ(Probe::At(m_scene.BackBuffer(), 27, 185), 0x006dc4u);
    // The same ratio again changes nothing.
    EXPECT_FALSE(m_view.FollowDevicePixelRatio());
}

TEST_F(GameViewRatioTest, ClickLandsOnTheKeyDrawnUnderIt)
{
    m_view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_view));
    const qreal ratio = m_view.devicePixelRatioF();
    for (int k : {0, 4, 7}) {
        // Mouse positions are in the view's logical pixels whatever the ratio.
        const QPoint at(KeyCentreX(k), KeyCentreY() - c_nClientTop);
        QTest::mousePress(&m_view, Qt::LeftButton, {}, at);
        EXPECT_TRUE(m_game.IsKeyDown(k)) << k;
        // The key under that point is the one shown held (red) at the next frame.
        m_scene.Compose();
        const QImage shot = m_view.grab().toImage();
        const QRgb c = shot.pixel(qFloor(at.x() * ratio), qFloor(at.y() * ratio));
        EXPECT_GT(qRed(c), qBlue(c) + 80) << k;
        QTest::mouseRelease(&m_view, Qt::LeftButton, {}, at);
        EXPECT_FALSE(m_game.IsKeyDown(k));
    }
}

} // namespace
