// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"
#include "game/game_globals.h"
#include "game/settings.h"
#include "game/timers.h"
#include "tests/common/game_fixtures.h"
#include "window/game_view.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

namespace {

class MainWindowTest : public CGameWindowTest
{
protected:
    // Presses the left button at a client point (y counted from below the menu bar).
    void ClickClient(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(m_pWindow->View(), button, {}, QPoint(x, y - c_nClientTop));
    }

    static QStringList Texts(const QList<QAction*>& actions)
    {
        QStringList texts;
        for (const QAction* pAction : actions)
            texts << (pAction->isSeparator() ? QStringLiteral("-") : pAction->text());
        return texts;
    }
};

} // namespace

TEST_F(MainWindowTest, IsAFixedWindowTitledCantabell)
{
    EXPECT_EQ(m_pWindow->windowTitle(), QStringLiteral("Cantabell"));
    EXPECT_EQ(m_pWindow->minimumSize(), m_pWindow->maximumSize());
    EXPECT_FALSE(m_pWindow->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(m_pWindow->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(m_pWindow->View()->size(), QSize(390, 226));
    // The picture starts right below the 32-pixel toolbar.
    const QPoint viewTop = m_pWindow->View()->mapTo(m_pWindow.get(), QPoint(0, 0));
    const QPoint toolTop = m_pWindow->ToolBar()->mapTo(m_pWindow.get(), QPoint(0, 0));
    EXPECT_EQ(viewTop.y() - toolTop.y(), 32);
}

TEST_F(MainWindowTest, MenusHaveTheirItemsInOrder)
{
    const QList<QAction*> menus = m_pWindow->menuBar()->actions();
    ASSERT_EQ(Texts(menus), (QStringList {"&Game", "&Commands", "&Options"}));
    EXPECT_EQ(Texts(menus[0]->menu()->actions()), (QStringList {"&New", "-", "&Exit"}));
    EXPECT_EQ(Texts(menus[1]->menu()->actions()),
        (QStringList {"&Hear again\tF2", "&New melody\tF3", "&Delete notes\tF4"}));
    EXPECT_EQ(Texts(menus[2]->menu()->actions()), (QStringList {"&Settings"}));

    // Help stands alone at the right end of the bar.
    auto* pHelpBar
        = qobject_cast<QMenuBar*>(m_pWindow->menuBar()->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(pHelpBar, nullptr);
    ASSERT_EQ(Texts(pHelpBar->actions()), (QStringList {"&Help"}));
    EXPECT_EQ(Texts(pHelpBar->actions()[0]->menu()->actions()),
        (QStringList {"&Tutorial\tF1", "-", "&About"}));
}

TEST_F(MainWindowTest, FunctionKeysAreWindowShortcuts)
{
    const std::pair<int, Qt::Key> bindings[]
        = {{CMainWindow::ID_TUTORIAL, Qt::Key_F1}, {CMainWindow::ID_HEAR_AGAIN, Qt::Key_F2},
            {CMainWindow::ID_NEW_MELODY, Qt::Key_F3}, {CMainWindow::ID_DELETE_NOTES, Qt::Key_F4}};
    for (const auto& [id, key] : bindings) {
        QAction* pAction = m_pWindow->CommandAction(id);
        ASSERT_NE(pAction, nullptr) << id;
        EXPECT_EQ(pAction->shortcut(), QKeySequence(key)) << id;
        EXPECT_EQ(pAction->shortcutContext(), Qt::WindowShortcut) << id;
    }

    m_pWindow->activateWindow();
    CMelodyGame& game = m_pWindow->Game();
    QTest::keyClick(m_pWindow.get(), Qt::Key_F2);
    EXPECT_TRUE(game.IsPlayRequested());

    ClickClient(10, 200);
    ASSERT_EQ(game.EnteredCount(), 1);
    QTest::keyClick(m_pWindow.get(), Qt::Key_F4);
    EXPECT_EQ(game.EnteredCount(), 0);
    EXPECT_TRUE(game.IsClickResetPending());

    // F3 draws all twelve entries anew: an unchanged melody would need twelve equal draws.
    const auto melody = [&game] {
        std::vector<int> notes;
        for (int i = 0; i < CMelodyGame::c_nNoteCapacity; ++i)
            notes.push_back(game.Melody(i));
        return notes;
    };
    const std::vector<int> before = melody();
    QTest::keyClick(m_pWindow.get(), Qt::Key_F3);
    EXPECT_NE(melody(), before);
    EXPECT_TRUE(game.IsPlayRequested());
}

TEST_F(MainWindowTest, ToolBarHasThreeImageButtonsWithoutTooltips)
{
    QToolBar* pBar = m_pWindow->ToolBar();
    EXPECT_EQ(pBar->height(), 32);
    EXPECT_FALSE(pBar->isMovable());
    EXPECT_EQ(pBar->iconSize(), QSize(96, 16));
    const QList<QAction*> actions = pBar->actions();
    ASSERT_EQ(actions.size(), 3);
    const char* const names[3] = {"Hear Again", "New Melody", "Delete Notes"};
    for (int i = 0; i < 3; ++i) {
        QWidget* pButton = pBar->widgetForAction(actions[i]);
        ASSERT_NE(pButton, nullptr);
        EXPECT_EQ(pButton->size(), QSize(100, 24));
        EXPECT_EQ(pButton->accessibleName(), QString::fromLatin1(names[i]));
        EXPECT_TRUE(pButton->toolTip().isEmpty());
    }

    // The buttons run Hear again, New melody and Delete notes, in that order.
    CMelodyGame& game = m_pWindow->Game();
    QTest::mouseClick(pBar->widgetForAction(actions[0]), Qt::LeftButton);
    EXPECT_TRUE(game.IsPlayRequested());
    ClickClient(10, 200);
    QTest::mouseClick(pBar->widgetForAction(actions[2]), Qt::LeftButton);
    EXPECT_EQ(game.EnteredCount(), 0);
    EXPECT_TRUE(game.IsClickResetPending());
    game.PlayStep(1); // a one-note pass: sounds it and ends the request
    ASSERT_FALSE(game.IsPlayRequested());
    ClickClient(10, 200);
    QTest::mouseClick(pBar->widgetForAction(actions[1]), Qt::LeftButton);
    EXPECT_TRUE(game.IsPlayRequested());
    EXPECT_EQ(game.EnteredCount(), 0);
}

TEST_F(MainWindowTest, StartsTheRedrawPlayAndLevelTimers)
{
    EXPECT_TRUE(m_pWindow->IsTimerRunning(TIMER_REDRAW));
    EXPECT_TRUE(m_pWindow->IsTimerRunning(TIMER_PLAY));
    EXPECT_TRUE(m_pWindow->IsTimerRunning(TIMER_LEVEL));
    EXPECT_FALSE(m_pWindow->IsTimerRunning(TIMER_RESULT));
    EXPECT_TRUE(m_pWindow->Game().IsShowingLevel());
    // The banner's timer fires for real and makes the first melody.
    QTRY_VERIFY_WITH_TIMEOUT(!m_pWindow->Game().IsShowingLevel(), 4000);
    EXPECT_FALSE(m_pWindow->IsTimerRunning(TIMER_LEVEL));
    EXPECT_TRUE(m_pWindow->Game().IsPlayRequested() || g_nPlayIndex > 0);
}

TEST_F(MainWindowTest, ClicksInGapsAndAboveTheKeysDoNothing)
{
    CMelodyGame& game = m_pWindow->Game();
    ClickClient(51, 200);
    ClickClient(20, 176);
    ClickClient(20, 249);
    ClickClient(51, 200, Qt::RightButton);
    EXPECT_EQ(game.EnteredCount(), 0);
    EXPECT_EQ(g_nClickCount, 0);
    ClickClient(20, 177);
    EXPECT_EQ(game.EnteredCount(), 1);
    EXPECT_EQ(game.Entered(0), 0);
    ClickClient(20 + 48 * 7, 248);
    EXPECT_EQ(game.Entered(1), 7);
}

TEST_F(MainWindowTest, KeyStaysDownUntilTheButtonIsReleased)
{
    CMelodyGame& game = m_pWindow->Game();
    QTest::mousePress(m_pWindow->View(), Qt::LeftButton, {}, QPoint(10 + 48 * 2, 180));
    EXPECT_TRUE(game.IsKeyDown(2));
    QTest::mouseRelease(m_pWindow->View(), Qt::LeftButton, {}, QPoint(10 + 48 * 2, 180));
    EXPECT_FALSE(game.IsKeyDown(2));
}

TEST_F(MainWindowTest, DoubleClickEntersTwoNotes)
{
    // As the X server delivers it: press, release, double click, release.
    CGameView* pView = m_pWindow->View();
    const QPoint at(10 + 48 * 4, 180);
    QTest::mousePress(pView, Qt::LeftButton, {}, at);
    QTest::mouseRelease(pView, Qt::LeftButton, {}, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, pView->mapToGlobal(at), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pView, &dbl);
    QTest::mouseRelease(pView, Qt::LeftButton, {}, at);
    EXPECT_EQ(m_pWindow->Game().EnteredCount(), 2);
    EXPECT_EQ(m_pWindow->Game().Entered(1), 4);
}

TEST_F(MainWindowTest, GameNewAndExitCommands)
{
    CMelodyGame& game = m_pWindow->Game();
    // A fixed length of 6 taken at a play tick, then Game > New.
    CGameSettings::SetIncrease(false);
    CGameSettings::SetFixedLength(6);
    game.OnTimer(TIMER_PLAY);
    ASSERT_EQ(game.Length(), 6);
    m_pWindow->CommandAction(CMainWindow::ID_GAME_NEW)->trigger();
    ResetGameGlobals();
    EXPECT_EQ(game.Length(), 3);
    EXPECT_TRUE(game.IsShowingLevel());
    EXPECT_TRUE(m_pWindow->IsTimerRunning(TIMER_LEVEL));

    m_pWindow->CommandAction(CMainWindow::ID_EXIT)->trigger();
    EXPECT_FALSE(m_pWindow->isVisible());
    EXPECT_FALSE(m_pWindow->OnCommand(40099));
}
