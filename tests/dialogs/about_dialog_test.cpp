// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"
#include "dialogs/about_dialog.h"
#include "dialogs/credits.h"
#include "game/game_globals.h"
#include "game/settings.h"
#include "game/timers.h"
#include "tests/common/game_fixtures.h"
#include "tests/common/modal_driver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutDialogTest : public CFreshGlobalsTest
{
};

class AboutOverGameTest : public CGameWindowTest
{
protected:
    bool OpenAbout(const std::function<void(CAboutDlg&)>& fnBody)
    {
        return DriveModal<CAboutDlg>([this] { m_pWindow->OnAbout(); }, fnBody);
    }
};

} // namespace

TEST_F(AboutDialogTest, ShowsNameCreditPictureAndALinkThatOpensItsOwnText)
{
    CAboutDlg dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(dlg.findChild<QLabel*>("staticTitle")->text(),
        QStringLiteral("Cantabell v1.0\nby the Cantabell developers"));
    const QPixmap picture = dlg.findChild<QLabel*>("bitmap112")->pixmap();
    EXPECT_EQ(picture.size(), QSize(36, 49));

    const QString address = QString::fromLatin1(c_szWebAddress);
    EXPECT_TRUE(address.startsWith(QStringLiteral("https://")));
    auto* pLink = dlg.findChild<QLabel*>("static1008");
    ASSERT_NE(pLink, nullptr);
    EXPECT_EQ(dlg.m_link.GetLabel(), pLink);
    EXPECT_EQ(pLink->text(), address);
    EXPECT_EQ(pLink->toolTip(), address);
    // Fitted to its text, the whole address stays inside the box and clear of the picture.
    EXPECT_TRUE(dlg.rect().contains(pLink->geometry()));
    EXPECT_FALSE(pLink->geometry().intersects(dlg.findChild<QLabel*>("bitmap112")->geometry()));

    QString opened;
    dlg.m_link.SetOpenFunction([&opened](const QString& strTarget, int) {
        opened = strTarget;
        return 42;
    });
    QTest::mouseClick(pLink, Qt::LeftButton, {}, pLink->rect().center());
    EXPECT_EQ(opened, address);
}

TEST_F(AboutDialogTest, TabReachesTheLinkAfterOkAndSpaceOpensIt)
{
    CAboutDlg dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    auto* pOk = dlg.findChild<QPushButton*>("button1");
    auto* pLink = dlg.findChild<QLabel*>("static1008");
    EXPECT_EQ(QApplication::focusWidget(), pOk);
    int nOpened = 0;
    dlg.m_link.SetOpenFunction([&nOpened](const QString&, int) {
        ++nOpened;
        return 42;
    });

    QTest::keyClick(pOk, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), pLink);
    EXPECT_TRUE(dlg.m_link.m_bActive);
    QTest::keyClick(pLink, Qt::Key_Space);
    EXPECT_EQ(nOpened, 1);
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClick(pLink, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), pOk);
}

TEST_F(AboutOverGameTest, GameStandsStillWhileTheBoxIsOpen)
{
    CMelodyGame& game = m_pWindow->Game();
    game.NewMelody();
    game.OnTimer(TIMER_PLAY); // the first note sounds; the melody is under way
    ASSERT_EQ(g_nPlayIndex, 1);

    const bool bOpened = OpenAbout([this, &game](CAboutDlg& dlg) {
        EXPECT_TRUE(game.IsDialogOpen());
        EXPECT_EQ(dlg.parentWidget(), m_pWindow.get());
        EXPECT_EQ(dlg.focusWidget(), dlg.findChild<QPushButton*>("button1"));
        // Real play ticks (600 ms) come and are dropped, and so is one sent by hand.
        QTest::qWait(800);
        game.OnTimer(TIMER_PLAY);
        EXPECT_EQ(g_nPlayIndex, 1);
        EXPECT_TRUE(game.IsPlayRequested());
        EXPECT_TRUE(m_pWindow->IsTimerRunning(TIMER_PLAY));
        QTest::mouseClick(dlg.findChild<QPushButton*>("button1"), Qt::LeftButton);
    });
    EXPECT_TRUE(bOpened);
    EXPECT_FALSE(game.IsDialogOpen());
    // The melody goes on from the note where it stopped.
    game.OnTimer(TIMER_PLAY);
    EXPECT_EQ(g_nPlayIndex, 2);
}

TEST_F(AboutOverGameTest, DroppedOneShotTickComesBackAFullPeriodLater)
{
    constexpr int c_nPeriodMs = 300;
    CMelodyGame& game = m_pWindow->Game();
    game.Judge(); // the judgement stands until the result tick
    QElapsedTimer clock;
    clock.start();
    m_pWindow->StartTimer(TIMER_RESULT, c_nPeriodMs);

    const bool bOpened = OpenAbout([this, &game](CAboutDlg& dlg) {
        QTest::qWait(c_nPeriodMs * 3 / 2); // the first tick falls in here and is dropped
        EXPECT_TRUE(game.IsShowingResult());
        EXPECT_TRUE(m_pWindow->IsTimerRunning(TIMER_RESULT));
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_TRUE(bOpened);
    EXPECT_TRUE(game.IsShowingResult());
    EXPECT_TRUE(QTest::qWaitFor([&game] { return !game.IsShowingResult(); }, 3000));
    EXPECT_GE(clock.elapsed(), 2 * c_nPeriodMs - 20);
    EXPECT_FALSE(m_pWindow->IsTimerRunning(TIMER_RESULT));
}

TEST_F(AboutOverGameTest, EveryWayOfClosingClearsTheFlag)
{
    enum
    {
        ClickOk,
        Enter,
        Escape,
        CloseBox
    };
    for (const int nWay : {ClickOk, Enter, Escape, CloseBox}) {
        const bool bOpened = OpenAbout([nWay](CAboutDlg& dlg) {
            auto* pOk = dlg.findChild<QPushButton*>("button1");
            switch (nWay) {
            case ClickOk:
                QTest::mouseClick(pOk, Qt::LeftButton);
                break;
            case Enter:
                QTest::keyClick(pOk, Qt::Key_Return);
                break;
            case Escape:
                QTest::keyClick(pOk, Qt::Key_Escape);
                break;
            default:
                dlg.close();
                break;
            }
            EXPECT_FALSE(dlg.isVisible()) << "way " << nWay;
        });
        EXPECT_TRUE(bOpened);
        EXPECT_FALSE(m_pWindow->Game().IsDialogOpen()) << "way " << nWay;
    }
}
