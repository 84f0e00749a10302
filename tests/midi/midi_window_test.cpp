// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"
#include "game/game_globals.h"
#include "midi/midi_input.h"
#include "tests/common/game_fixtures.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <thread>

namespace {

class MidiWindowTest : public CGameWindowTest
{
protected:
    void Key(int nKey, bool bDown) { emit m_pWindow->Midi().Key(nKey, bDown); }

    int KeysDown() const
    {
        int n = 0;
        for (int k = 0; k < c_nKeyCount; ++k)
            n += m_pWindow->Game().IsKeyDown(k);
        return n;
    }
};

} // namespace

// A note-on is the left click in the middle of its key: counted, recorded, held until note-off.
TEST_F(MidiWindowTest, NoteOnIsALeftClickOnThatKey)
{
    CMelodyGame& game = m_pWindow->Game();
    for (int k = 0; k < 8; ++k) {
        game.OnDeleteNotes();
        Key(k, true);
        EXPECT_TRUE(game.IsKeyDown(k)) << k;
        EXPECT_EQ(KeysDown(), 1);
        EXPECT_EQ(game.EnteredCount(), 1);
        EXPECT_EQ(game.Entered(0), k);
        EXPECT_EQ(g_nClickCount, 1);
        Key(k, false);
        EXPECT_EQ(KeysDown(), 0);
    }
    // The third note of an attempt is judged like the third click.
    game.OnDeleteNotes();
    for (int k : {game.Melody(0), game.Melody(1), game.Melody(2)}) {
        Key(k, true);
        Key(k, false);
    }
    EXPECT_TRUE(game.IsShowingResult());
    EXPECT_TRUE(game.IsCorrect());
}

TEST_F(MidiWindowTest, OfTwoKeysHeldTheLaterShowsAndOnlyItsReleaseCounts)
{
    CMelodyGame& game = m_pWindow->Game();
    Key(2, true);
    Key(5, true);
    EXPECT_FALSE(game.IsKeyDown(2));
    EXPECT_TRUE(game.IsKeyDown(5));
    EXPECT_EQ(game.EnteredCount(), 2);
    Key(2, false); // the earlier key: nothing changes
    EXPECT_TRUE(game.IsKeyDown(5));
    Key(7, false); // a key never pressed
    EXPECT_TRUE(game.IsKeyDown(5));
    Key(5, false);
    EXPECT_EQ(KeysDown(), 0);
    EXPECT_EQ(game.EnteredCount(), 2);
    // Out-of-range keys from a broken sender are nothing.
    Key(8, true);
    Key(-1, true);
    EXPECT_EQ(game.EnteredCount(), 2);
}

// Clicks cannot reach the window behind a modal dialog; neither can the keyboard's notes.
TEST_F(MidiWindowTest, ModalDialogKeepsNotesAway)
{
    CMelodyGame& game = m_pWindow->Game();
    bool bChecked = false;
    QTimer::singleShot(200, [&] {
        QWidget* pDialog = QApplication::activeModalWidget();
        ASSERT_NE(pDialog, nullptr);
        Key(3, true);
        Key(3, false);
        EXPECT_EQ(game.EnteredCount(), 0);
        EXPECT_EQ(g_nClickCount, 0);
        bChecked = true;
        pDialog->close();
    });
    m_pWindow->OnTutorial();
    EXPECT_TRUE(bChecked);
    Key(3, true);
    EXPECT_EQ(game.EnteredCount(), 1);
}

// Keys posted from other threads arrive in order on this one; a runaway sender is capped.
TEST(MidiInput, PostedKeysArriveOnTheObjectsThreadAndAreCapped)
{
    CMidiInput input;
    std::vector<std::pair<int, bool>> aKey;
    std::vector<bool> abOnThread;
    QObject::connect(&input, &CMidiInput::Key, [&](int nKey, bool bDown) {
        aKey.emplace_back(nKey, bDown);
        abOnThread.push_back(QThread::currentThread() == input.thread());
    });
    std::thread([&input] {
        for (int i = 0; i < 1000; ++i)
            input.Post(i % 8, i % 2 == 0);
    }).join();
    EXPECT_TRUE(aKey.empty()); // nothing runs before the event loop does
    QCoreApplication::processEvents();
    ASSERT_EQ(aKey.size(), static_cast<std::size_t>(CMidiInput::c_nMaxPending));
    for (std::size_t i = 0; i < aKey.size(); ++i) {
        EXPECT_EQ(aKey[i], std::make_pair(static_cast<int>(i % 8), i % 2 == 0));
        EXPECT_TRUE(abOnThread[i]);
    }
    // Once delivered, the room is there again.
    std::thread([&input] { input.Post(4, true); }).join();
    QCoreApplication::processEvents();
    EXPECT_EQ(aKey.back(), std::make_pair(4, true));
    EXPECT_EQ(aKey.size(), static_cast<std::size_t>(CMidiInput::c_nMaxPending) + 1);
}
