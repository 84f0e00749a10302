// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"
#include "dialogs/tutorial_dialog.h"
#include "game/game_globals.h"
#include "game/settings.h"
#include "tests/common/game_fixtures.h"
#include "tests/common/modal_driver.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TutorialDialogTest : public CFreshGlobalsTest
{
};

} // namespace

TEST_F(TutorialDialogTest, HoldsTheTenLinesJoinedByCrLf)
{
    const QStringList expected = {
        "* * * Cantabell * * *",
        "by the Cantabell developers",
        "",
        "",
        "Listen to the melody played by the computer, then try to play along with the little "
        "blue keyboard.",
        "Level of difficulty goes up after 3 succesful tries (1 note is added), but you can "
        "change that in the Options/Settings-dialog. You can even set a fixed number of notes.",
        "You can use the 'Hear Again' button to hear the current melody again, if you didn't "
        "catch it. If a specific melody is too hard for you to remember, get another one with "
        "the 'New Melody' button.",
        "If you have played some wrong notes and you want to start over, delete the notes with "
        "the third button.",
        "Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before "
        "actually playing them.",
        "Use the menue item 'Game - New' to start over with 3 notes if you get into levels too "
        "difficult (only applies if fixed length is not set in Options/Settings)",
    };
    CTutorialDlg dlg;
    EXPECT_EQ(dlg.m_strText, expected.join("\r\n"));
    EXPECT_FALSE(dlg.m_strText.endsWith('\n'));
    // The box shows each line as one paragraph: no stray carriage returns, no lost line.
    auto* pText = dlg.findChild<QPlainTextEdit*>("edit1001");
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(pText->toPlainText(), expected.join('\n'));
    EXPECT_EQ(pText->document()->blockCount(), 10);
}

TEST_F(TutorialDialogTest, TextIsReadOnlyWrappedAndScrollsFromTheTop)
{
    CTutorialDlg dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Tutorial"));
    auto* pText = dlg.findChild<QPlainTextEdit*>("edit1001");
    ASSERT_NE(pText, nullptr);
    const QString before = pText->toPlainText();

    pText->setFocus();
    QTest::keyClicks(pText, QStringLiteral("xyz"));
    QTest::keyClick(pText, Qt::Key_Backspace);
    EXPECT_EQ(pText->toPlainText(), before);
    EXPECT_TRUE(pText->textInteractionFlags() & Qt::TextSelectableByMouse);

    // Long lines wrap at the box's width: nothing to scroll sideways, much to scroll down.
    EXPECT_EQ(pText->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(pText->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(pText->verticalScrollBar()->value(), 0);
}

TEST_F(TutorialDialogTest, OpensOverTheGameWhichPlaysOn)
{
    CFakeNoteOutput output;
    CMainWindow window(output);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Game().NewMelody(); // a melody is requested: the next play ticks sound it

    const bool bOpened = DriveModal<CTutorialDlg>([&window] { window.OnTutorial(); },
        [&window, &output](CTutorialDlg& dlg) {
            EXPECT_EQ(dlg.parentWidget(), &window);
            auto* pOk = dlg.findChild<QPushButton*>("button1");
            EXPECT_EQ(dlg.focusWidget(), pOk);
            EXPECT_FALSE(window.Game().IsDialogOpen());
            // The melody advances behind the box, one note per 600 ms tick.
            EXPECT_TRUE(QTest::qWaitFor([] { return g_nPlayIndex >= 1; }, 2000));
            EXPECT_FALSE(output.m_anPlayed.empty());
            QTest::keyClick(pOk, Qt::Key_Return);
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
        });
    EXPECT_TRUE(bOpened);
}
