// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_host.h"
#include "game/melody_game.h"
#include "game/settings.h"
#include "game/timers.h"
#include "sing/listen_window.h"

#include <gtest/gtest.h>

namespace {

// A host that tells the window when the game sounds, at a clock the test moves.
class CSoundingHost : public CGameHost
{
public:
    void StartTimer(int, int) override { }
    void StopTimer(int) override { }
    void PlayNote(int) override { m_window.NoteSounded(m_nNowMs); }
    std::int64_t CurrentTime() override { return 0; }
    void DrawScene() override { }

    CListenWindow m_window;
    std::int64_t m_nNowMs = 100000;
};

class ListenWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetGameGlobals();
        m_game.Start();
    }
    bool IsOpen(bool bDialog = false) const
    {
        return m_host.m_window.IsOpen(m_game, bDialog, m_host.m_nNowMs);
    }
    // Plays the whole melody at the game's pace, each step c_nPlayPeriodMs apart.
    void PlayMelody()
    {
        while (m_game.IsPlayRequested()) {
            m_host.m_nNowMs += c_nPlayPeriodMs;
            m_game.OnTimer(TIMER_PLAY);
            EXPECT_FALSE(IsOpen()) << "listening while the melody plays";
        }
    }
    void Wait(int nMs) { m_host.m_nNowMs += nMs; }

    CSoundingHost m_host;
    CMelodyGame m_game {m_host};
};

} // namespace

TEST_F(ListenWindow, OpensOnlyOnceTheMelodysLastNoteHasDied)
{
    EXPECT_FALSE(IsOpen()) << "listening during the level banner";
    m_game.OnTimer(TIMER_LEVEL);
    EXPECT_FALSE(IsOpen()) << "listening before the melody";
    PlayMelody();
    EXPECT_FALSE(IsOpen()) << "listening while the last note sounds";
    Wait(CListenWindow::c_nAfterNoteMs - 1);
    EXPECT_FALSE(IsOpen());
    Wait(1);
    EXPECT_TRUE(IsOpen());
    EXPECT_FALSE(IsOpen(true)) << "listening behind a dialog";
    m_game.SetDialogOpen(true);
    EXPECT_FALSE(IsOpen());
    m_game.SetDialogOpen(false);
    EXPECT_TRUE(IsOpen());
}

TEST_F(ListenWindow, ClosesForHearAgainAndTheJudgement)
{
    m_game.OnTimer(TIMER_LEVEL);
    PlayMelody();
    Wait(CListenWindow::c_nAfterNoteMs);
    m_game.OnHearAgain();
    EXPECT_FALSE(IsOpen()) << "listening while Hear again is pending";
    PlayMelody();
    Wait(CListenWindow::c_nAfterNoteMs);
    ASSERT_TRUE(IsOpen());
    // The player's answer (through the note input, which sounds nothing in sing mode) is
    // judged: no listening until the next melody has played.
    for (int i = 0; i < m_game.Length(); ++i) {
        m_game.RecordNote(0);
    }
    m_game.RecordNote(0);
    EXPECT_TRUE(m_game.IsShowingResult());
    EXPECT_FALSE(IsOpen()) << "listening during the judgement";
}
