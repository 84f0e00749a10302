// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"
#include "dialogs/about_dialog.h"
#include "game/game_globals.h"
#include "game/settings.h"
#include "tests/common/game_fixtures.h"
#include "tests/common/modal_driver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class NoteKeysTest : public CGameWindowTest
{
protected:
    void SetUp() override
    {
        CGameWindowTest::SetUp();
        // Long melodies: no judgement gets in the way of counting notes.
        UseFixedLength(8);
    }

    int HeldKey()
    {
        int held = -1;
        for (int k = 0; k < 8; ++k) {
            if (Game().IsKeyDown(k)) {
                EXPECT_EQ(held, -1) << "two keys red at once";
                held = k;
            }
        }
        return held;
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyPress(m_pWindow.get(), key, modifiers);
    }
    void Release(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyRelease(m_pWindow.get(), key, modifiers);
    }
};

} // namespace

TEST_F(NoteKeysTest, HomeRowAndDigitsEnterTheKeysLeftToRight)
{
    const Qt::Key letters[8]
        = {Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F, Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K};
    for (int round = 0; round < 2; ++round) {
        for (int k = 0; k < 8; ++k) {
            const Qt::Key key = round == 0 ? letters[k] : Qt::Key(Qt::Key_1 + k);
            // A fresh attempt each time: only the click-counter rules enter two notes at once.
            Game().OnDeleteNotes();
            Press(key);
            EXPECT_EQ(HeldKey(), k) << "red while held: " << k;
            EXPECT_EQ(Game().EnteredCount(), 1);
            EXPECT_EQ(Game().Entered(0), k);
            Release(key);
            EXPECT_EQ(HeldKey(), -1);
        }
    }
    // Neither a key beside the home row nor 9 plays anything.
    Game().OnDeleteNotes();
    Press(Qt::Key_L);
    Press(Qt::Key_9);
    Press(Qt::Key_Q);
    EXPECT_EQ(Game().EnteredCount(), 0);
}

TEST_F(NoteKeysTest, KeysCountLikeClicksTowardsTheJudgement)
{
    // The third click of a three-note melody records its note twice, and that judges.
    UseFixedLength(3);
    QTest::keyClick(m_pWindow.get(), Qt::Key_A);
    QTest::keyClick(m_pWindow.get(), Qt::Key_D);
    EXPECT_FALSE(Game().IsShowingResult());
    EXPECT_EQ(g_nClickCount, 2);
    QTest::keyClick(m_pWindow.get(), Qt::Key_K);
    EXPECT_TRUE(Game().IsShowingResult());
    EXPECT_EQ(g_nClickCount, 0);
    EXPECT_EQ(Game().Entered(0), 0);
    EXPECT_EQ(Game().Entered(1), 2);
    EXPECT_EQ(Game().Entered(2), 7);
    // Keys during the judgement go the mouse's way too, and none stays red.
    QTest::keyClick(m_pWindow.get(), Qt::Key_S);
    EXPECT_EQ(HeldKey(), -1);
    EXPECT_EQ(g_nClickCount, 1);
}

TEST_F(NoteKeysTest, ShiftOnlySoundsAndRepeatsAreIgnored)
{
    m_output.Take();
    Press(Qt::Key_D, Qt::ShiftModifier);
    EXPECT_EQ(HeldKey(), -1);
    Release(Qt::Key_D, Qt::ShiftModifier);
    EXPECT_EQ(Game().EnteredCount(), 0);
    EXPECT_EQ(g_nClickCount, 0);
    EXPECT_EQ(m_output.Take(), std::vector<int> {2});

    Press(Qt::Key_F);
    for (int i = 0; i < 5; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, QStringLiteral("f"), true);
        QApplication::sendEvent(m_pWindow.get(), &repeat);
    }
    EXPECT_EQ(Game().EnteredCount(), 1);
    EXPECT_EQ(HeldKey(), 3);
    Release(Qt::Key_F);
    EXPECT_EQ(HeldKey(), -1);

    // Ctrl and Alt keep their meanings: no note.
    Press(Qt::Key_A, Qt::ControlModifier);
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Game().EnteredCount(), 1);
}

TEST_F(NoteKeysTest, OverlappingKeysLeaveNoKeyRed)
{
    Press(Qt::Key_A);
    Press(Qt::Key_S);
    EXPECT_EQ(HeldKey(), 1);
    // The earlier key comes up while the later is still down: the later stays red.
    Release(Qt::Key_A);
    EXPECT_EQ(HeldKey(), 1);
    Release(Qt::Key_S);
    EXPECT_EQ(HeldKey(), -1);

    // All eight at once, let go in another order.
    Game().OnDeleteNotes();
    for (int k = 0; k < 8; ++k)
        Press(Qt::Key(Qt::Key_1 + k));
    EXPECT_EQ(HeldKey(), 7);
    for (int k : {3, 7, 0, 5, 1, 6, 2, 4})
        Release(Qt::Key(Qt::Key_1 + k));
    EXPECT_EQ(HeldKey(), -1);
    EXPECT_EQ(Game().EnteredCount(), 8);

    // A key the mouse let go of meanwhile changes nothing when it comes up.
    Press(Qt::Key_G);
    QTest::mouseClick(m_pWindow->centralWidget(), Qt::LeftButton, {}, QPoint(10, 160));
    EXPECT_EQ(HeldKey(), -1);
    Release(Qt::Key_G);
    EXPECT_EQ(HeldKey(), -1);
}

TEST_F(NoteKeysTest, KeyHeldAcrossADialogIsLetGoAndTheDialogKeepsItsKeys)
{
    Press(Qt::Key_H);
    ASSERT_EQ(HeldKey(), 5);
    const bool bOpened = DriveModal<CAboutDlg>([this] { m_pWindow->OnAbout(); },
        [this](CAboutDlg& dlg) {
            EXPECT_EQ(HeldKey(), -1);
            QTest::keyClick(&dlg, Qt::Key_J);
            // A key that still reaches the game window is not played while the box is open.
            QTest::keyClick(m_pWindow.get(), Qt::Key_J);
            EXPECT_EQ(Game().EnteredCount(), 1);
            EXPECT_EQ(HeldKey(), -1);
        });
    ASSERT_TRUE(bOpened);
    Release(Qt::Key_H);
    EXPECT_EQ(HeldKey(), -1);
    QTest::keyClick(m_pWindow.get(), Qt::Key_J);
    EXPECT_EQ(Game().EnteredCount(), 2);
}

TEST_F(NoteKeysTest, MenuMnemonicsStayWithTheMenus)
{
    // Alt+G opens the Game menu instead of playing G; the menu then takes the letters.
    Press(Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() != nullptr, 2000);
    EXPECT_EQ(Game().EnteredCount(), 0);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                      : m_pWindow->menuBar(),
        Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr, 2000);

    // A menu bar that holds the focus reads letters as mnemonics; none of them plays.
    m_pWindow->menuBar()->setFocus();
    QTest::keyClick(m_pWindow->menuBar(), Qt::Key_A);
    EXPECT_EQ(Game().EnteredCount(), 0);
}
