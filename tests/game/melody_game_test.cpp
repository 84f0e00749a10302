// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game_globals.h"
#include "game/melody_game.h"
#include "game/settings.h"
#include "game/timers.h"
#include "tests/common/fake_host.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int c_nKeyY = 200; // a client y on the keys

class MelodyGameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetGameGlobals();
        m_game.Start();
    }

    void Advance(std::int64_t nMs) { m_host.Advance(m_game, nMs); }
    void Click(int k)
    {
        m_game.OnLButtonDown(10 + 48 * k, c_nKeyY);
        m_game.OnLButtonUp();
    }
    std::vector<int> Melody() const
    {
        std::vector<int> notes;
        for (int i = 0; i < m_game.Length(); ++i)
            notes.push_back(m_game.Melody(i));
        return notes;
    }
    // Plays the current melody back on the keys: right unless bWrong.
    void Answer(bool bWrong = false)
    {
        for (int i = 0; i < m_game.Length(); ++i) {
            const int note = m_game.Melody(i);
            Click(bWrong && i == 0 ? (note + 1) % 8 : note);
        }
    }
    // Waits out the banner and the playback of the first melody (start of a fresh game).
    void ToFirstAttempt() { Advance(2500 + 600 * (m_game.Length() + 1)); }

    CFakeHost m_host;
    CMelodyGame m_game {m_host};
};

} // namespace

TEST_F(MelodyGameTest, StartsWithBannerAndThreeTimers)
{
    EXPECT_EQ(m_host.PeriodOf(TIMER_REDRAW), 50);
    EXPECT_EQ(m_host.PeriodOf(TIMER_PLAY), 600);
    EXPECT_EQ(m_host.PeriodOf(TIMER_LEVEL), 2500);
    EXPECT_FALSE(m_host.IsRunning(TIMER_RESULT));
    EXPECT_TRUE(m_game.IsShowingLevel());
    EXPECT_EQ(m_game.Length(), 3);
    Advance(1000);
    EXPECT_EQ(m_host.m_nDraws, 20);
    EXPECT_TRUE(m_host.m_aNotes.empty());
}

TEST_F(MelodyGameTest, FirstMelodyComesAtTheBannerEndAndSoundsEvery600Ms)
{
    Advance(2499);
    EXPECT_TRUE(m_game.IsShowingLevel());
    Advance(1);
    EXPECT_FALSE(m_game.IsShowingLevel());
    EXPECT_FALSE(m_host.IsRunning(TIMER_LEVEL));
    EXPECT_TRUE(m_game.IsPlayRequested());
    Advance(2500);
    ASSERT_EQ(m_host.m_aNotes.size(), 3u);
    const std::int64_t expectedAt[] = {3000, 3600, 4200};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_host.m_aNotes[i].nAtMs, expectedAt[i]);
        EXPECT_EQ(m_host.m_aNotes[i].nNote, m_game.Melody(i));
    }
    EXPECT_FALSE(m_game.IsPlayRequested());
    EXPECT_FALSE(g_bPlaying);
    EXPECT_EQ(g_nPlayIndex, 0);
}

TEST_F(MelodyGameTest, MelodyComesFromTheSeededGenerator)
{
    // Seed 1 draws r = 41, 18467, 6334: notes 0, 4, 1.
    Advance(2500);
    EXPECT_EQ(Melody(), (std::vector<int> {0, 4, 1}));
    for (int i = 0; i < CMelodyGame::c_nNoteCapacity; ++i) {
        EXPECT_GE(m_game.Melody(i), 0);
        EXPECT_LE(m_game.Melody(i), 7);
    }
}

TEST_F(MelodyGameTest, RightAnswerIsJudgedAtOnceAndBringsANewMelody)
{
    ToFirstAttempt();
    const std::vector<int> first = Melody();
    const std::size_t notesBefore = m_host.m_aNotes.size();
    Answer();
    EXPECT_EQ(m_host.m_aNotes.size(), notesBefore + 3); // every click sounds its key
    EXPECT_TRUE(m_game.IsShowingResult());
    EXPECT_TRUE(m_game.IsCorrect());
    EXPECT_EQ(m_game.EnteredCount(), 3);
    EXPECT_EQ(m_host.PeriodOf(TIMER_RESULT), 2000);
    Advance(2000);
    EXPECT_FALSE(m_game.IsShowingResult());
    EXPECT_FALSE(m_host.IsRunning(TIMER_RESULT));
    EXPECT_EQ(m_game.EnteredCount(), 0);
    EXPECT_EQ(g_nSuccessCount, 0);
    EXPECT_EQ(m_game.Length(), 3);
    EXPECT_TRUE(m_game.IsPlayRequested());
    EXPECT_NE(Melody(), first);
}

TEST_F(MelodyGameTest, WrongAnswerReplaysTheSameMelody)
{
    ToFirstAttempt();
    const std::vector<int> melody = Melody();
    Answer(true);
    EXPECT_TRUE(m_game.IsShowingResult());
    EXPECT_FALSE(m_game.IsCorrect());
    Advance(2000);
    const std::int64_t replayFrom = m_host.m_nNowMs;
    EXPECT_TRUE(m_game.IsPlayRequested());
    Advance(600 * 4);
    EXPECT_EQ(m_host.NotesSince(replayFrom), melody);
    EXPECT_EQ(g_nSuccessCount, -1);
    EXPECT_EQ(m_game.Length(), 3);
}

TEST_F(MelodyGameTest, MelodyGrowsAtTheThirdAndSixthSuccessAndStopsAtEight)
{
    ToFirstAttempt();
    std::vector<int> lengths;
    for (int success = 1; success <= 20; ++success) {
        Answer();
        Advance(2000);
        lengths.push_back(m_game.Length());
        if (m_game.IsLevelPending()) {
            EXPECT_TRUE(m_game.IsShowingLevel());
            EXPECT_EQ(m_host.PeriodOf(TIMER_LEVEL), 2500);
            // The banner's end makes the next melody.
            EXPECT_FALSE(m_game.IsPlayRequested());
            Advance(2500);
            EXPECT_FALSE(m_game.IsShowingLevel());
            EXPECT_TRUE(m_game.IsPlayRequested());
        } else {
            EXPECT_FALSE(m_game.IsShowingLevel());
        }
        Advance(600 * (m_game.Length() + 1));
    }
    const std::vector<int> expected = {3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 8, 8, 8};
    EXPECT_EQ(lengths, expected);
}

TEST_F(MelodyGameTest, IncreaseAfterOneGrowsAtEverySuccess)
{
    CGameSettings::SetIncreaseAfter(1);
    ToFirstAttempt();
    for (int expected = 4; expected <= 6; ++expected) {
        Answer();
        Advance(2000 + 2500 + 600 * 10);
        EXPECT_EQ(m_game.Length(), expected);
    }
}

TEST_F(MelodyGameTest, FixedLengthTakesEffectAtTheNextPlayTick)
{
    ToFirstAttempt();
    CGameSettings::SetIncrease(false);
    CGameSettings::SetFixedLength(6);
    const std::int64_t nextPlay = m_host.DueOf(TIMER_PLAY);
    Advance(nextPlay - m_host.m_nNowMs - 1);
    EXPECT_EQ(m_game.Length(), 3);
    Advance(1);
    EXPECT_EQ(m_game.Length(), 6);
    // Successes in fixed mode still cycle the counter but never grow the melody.
    for (int i = 0; i < 4; ++i) {
        Answer();
        Advance(2000 + 600 * 8);
        EXPECT_EQ(m_game.Length(), 6);
        EXPECT_FALSE(m_game.IsShowingLevel());
    }
    EXPECT_EQ(g_nSuccessCount, 0);
}

// The settings are the one gate for their numbers: out of range is refused, the old value stays.
TEST_F(MelodyGameTest, SettingsRefuseNumbersOutsideTheirRanges)
{
    for (int bad : {INT_MIN, -5, 0, 2, 9, 12, INT_MAX}) {
        EXPECT_FALSE(CGameSettings::SetFixedLength(bad)) << bad;
        EXPECT_EQ(CGameSettings::FixedLength(), 4);
    }
    for (int bad : {INT_MIN, -1, 0, 11, INT_MAX}) {
        EXPECT_FALSE(CGameSettings::SetIncreaseAfter(bad)) << bad;
        EXPECT_EQ(CGameSettings::IncreaseAfter(), 3);
    }
    for (int good : {3, 8}) {
        EXPECT_TRUE(CGameSettings::SetFixedLength(good));
        EXPECT_EQ(CGameSettings::FixedLength(), good);
    }
    for (int good : {1, 10}) {
        EXPECT_TRUE(CGameSettings::SetIncreaseAfter(good));
        EXPECT_EQ(CGameSettings::IncreaseAfter(), good);
    }
}

TEST_F(MelodyGameTest, ResetBringsBackEveryStartValue)
{
    ToFirstAttempt();
    Answer();
    Advance(2000);
    Click(2);
    CGameSettings::SetIncrease(false);
    CGameSettings::SetFixedLength(7);
    CGameSettings::SetIncreaseAfter(9);
    ASSERT_FALSE(g_bSeedPending);
    ResetGameGlobals();
    EXPECT_TRUE(CGameSettings::Increase());
    EXPECT_EQ(CGameSettings::IncreaseAfter(), 3);
    EXPECT_EQ(CGameSettings::FixedLength(), 4);
    EXPECT_EQ(g_nSuccessCount, -1);
    EXPECT_TRUE(g_bPlaying);
    EXPECT_EQ(g_nPlayIndex, 0);
    EXPECT_EQ(g_nClickCount, 0);
    EXPECT_TRUE(g_bSeedPending);
    EXPECT_EQ(g_uRandomState, 1u);
}

TEST_F(MelodyGameTest, ClicksOffTheKeysDoNothing)
{
    ToFirstAttempt();
    const std::size_t notes = m_host.m_aNotes.size();
    const int misses[][2]
        = {{3, 200}, {51, 200}, {99, 200}, {339, 200}, {387, 200}, {20, 176}, {20, 249}, {-5, 200}};
    for (const auto& miss : misses) {
        m_game.OnLButtonDown(miss[0], miss[1]);
        m_game.OnRButtonDown(miss[0], miss[1]);
    }
    EXPECT_EQ(m_host.m_aNotes.size(), notes);
    EXPECT_EQ(g_nClickCount, 0);
    EXPECT_EQ(m_game.EnteredCount(), 0);
    for (int k = 0; k < 8; ++k)
        EXPECT_FALSE(m_game.IsKeyDown(k)) << k;
}

TEST_F(MelodyGameTest, KeyEdgesHitTheirKeys)
{
    EXPECT_EQ(CMelodyGame::KeyAt(4, 177), 0);
    EXPECT_EQ(CMelodyGame::KeyAt(50, 248), 0);
    EXPECT_EQ(CMelodyGame::KeyAt(52, 200), 1);
    EXPECT_EQ(CMelodyGame::KeyAt(386, 200), 7);
    EXPECT_EQ(CMelodyGame::KeyAt(338, 200), 6);
    EXPECT_EQ(CMelodyGame::KeyAt(51, 200), -1) << "gap";
    EXPECT_EQ(CMelodyGame::KeyAt(10, 176), -1) << "above";
    EXPECT_EQ(CMelodyGame::KeyAt(10, 249), -1) << "below";
    EXPECT_EQ(CMelodyGame::KeyAt(387, 200), -1) << "right of the last key";
}

// What other input (the computer keyboard, MIDI) uses to press a key: each key's rectangle is
// 4 + 48k .. 50 + 48k by 177..248, and a press at its centre enters that key's note.
TEST_F(MelodyGameTest, KeyRectanglesAndCentresPressTheirKeys)
{
    for (int k = 0; k < 8; ++k) {
        const CKeyRect rc = KeyHitRect(k);
        EXPECT_EQ(rc.m_nLeft, 4 + 48 * k);
        EXPECT_EQ(rc.m_nRight, 50 + 48 * k);
        EXPECT_EQ(rc.m_nTop, 177);
        EXPECT_EQ(rc.m_nBottom, 248);
        m_game.OnDeleteNotes();
        m_game.OnLButtonDown(KeyCentreX(k), KeyCentreY());
        m_game.OnLButtonUp();
        EXPECT_EQ(m_game.EnteredCount(), 1) << k;
        EXPECT_EQ(m_game.Entered(0), k);
    }
}

TEST_F(MelodyGameTest, LeftClickHoldsTheKeyUntilRelease)
{
    m_game.OnLButtonDown(10 + 48 * 5, c_nKeyY);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(m_game.IsKeyDown(k), k == 5);
    EXPECT_EQ(m_game.EnteredCount(), 1);
    EXPECT_EQ(m_game.Entered(0), 5);
    m_game.OnLButtonUp();
    for (int k = 0; k < 8; ++k)
        EXPECT_FALSE(m_game.IsKeyDown(k)) << k;
}

TEST_F(MelodyGameTest, RightClickOnlySoundsTheKey)
{
    ToFirstAttempt();
    const std::size_t notes = m_host.m_aNotes.size();
    m_game.OnRButtonDown(10 + 48 * 3, c_nKeyY);
    ASSERT_EQ(m_host.m_aNotes.size(), notes + 1);
    EXPECT_EQ(m_host.m_aNotes.back().nNote, 3);
    EXPECT_EQ(m_game.EnteredCount(), 0);
    EXPECT_EQ(g_nClickCount, 0);
    EXPECT_FALSE(m_game.IsKeyDown(3));
}

TEST_F(MelodyGameTest, ClickDuringJudgementJudgesAgainAndLeavesTheCounterAhead)
{
    ToFirstAttempt();
    Answer();
    Advance(1000);
    Click(m_game.Melody(0));
    // Stored after the last position, judged again: the 2 s display starts over.
    EXPECT_EQ(m_game.Entered(3), m_game.Melody(0));
    EXPECT_EQ(m_host.DueOf(TIMER_RESULT), m_host.m_nNowMs + 2000);
    EXPECT_EQ(g_nClickCount, 1);
    Advance(2000 + 600 * 4);

    // Next attempt: the 2nd click is recorded twice and the 3rd judges with its note ignored.
    const std::vector<int> melody = Melody();
    Click(melody[0]);
    Click(melody[1]);
    EXPECT_EQ(m_game.EnteredCount(), 3);
    EXPECT_EQ(m_game.Entered(2), melody[1]);
    EXPECT_FALSE(m_game.IsShowingResult());
    Click(melody[2]);
    EXPECT_TRUE(m_game.IsShowingResult());
    EXPECT_EQ(m_game.IsCorrect(), melody[1] == melody[2]);
    Advance(2000);

    // Deleting the notes realigns the counter.
    m_game.OnDeleteNotes();
    Advance(600 * 4);
    Answer();
    EXPECT_TRUE(m_game.IsShowingResult());
    EXPECT_TRUE(m_game.IsCorrect());
}

TEST_F(MelodyGameTest, CommandsChangeTheTurnAsExpected)
{
    ToFirstAttempt();
    const std::vector<int> melody = Melody();
    m_game.OnHearAgain();
    const std::int64_t from = m_host.m_nNowMs;
    Advance(600 * 3);
    EXPECT_EQ(m_host.NotesSince(from), melody);

    Click(0);
    m_game.OnDeleteNotes();
    EXPECT_EQ(m_game.EnteredCount(), 0);
    EXPECT_TRUE(m_game.IsClickResetPending());
    Click(1);
    EXPECT_EQ(g_nClickCount, 1);
    EXPECT_FALSE(m_game.IsClickResetPending());

    m_game.OnNewMelody();
    EXPECT_EQ(m_game.EnteredCount(), 0);
    EXPECT_TRUE(m_game.IsPlayRequested());
    EXPECT_NE(Melody(), melody);
}

TEST_F(MelodyGameTest, GameNewGoesBackToThreeNotesButKeepsTheSuccessCount)
{
    ToFirstAttempt();
    // Five successes: the counter runs 0, 1, 2 (grow to 4), 0, 1.
    for (int i = 0; i < 5; ++i) {
        Answer();
        Advance(2000 + 2500 + 600 * 6);
    }
    ASSERT_EQ(m_game.Length(), 4);
    ASSERT_EQ(g_nSuccessCount, 1);
    Click(0);
    m_game.OnGameNew();
    EXPECT_EQ(m_game.Length(), 3);
    EXPECT_TRUE(m_game.IsShowingLevel());
    EXPECT_TRUE(m_game.IsLevelPending());
    EXPECT_EQ(m_game.EnteredCount(), 0);
    EXPECT_EQ(g_nSuccessCount, 1);
    Advance(2500);
    EXPECT_FALSE(m_game.IsShowingLevel());
    EXPECT_FALSE(m_game.IsLevelPending());
    EXPECT_TRUE(m_game.IsPlayRequested());
    // The kept counter makes the very next success a level-up.
    Advance(600 * 4);
    Answer();
    Advance(2000);
    EXPECT_EQ(m_game.Length(), 4);
    EXPECT_TRUE(m_game.IsShowingLevel());
}

TEST_F(MelodyGameTest, GameNewInFixedModeReturnsToTheFixedLength)
{
    CGameSettings::SetIncrease(false);
    CGameSettings::SetFixedLength(5);
    Advance(600);
    m_game.OnGameNew();
    EXPECT_EQ(m_game.Length(), 3);
    Advance(600);
    EXPECT_EQ(m_game.Length(), 5);
}

TEST_F(MelodyGameTest, DroppedTicksComeBackAFullPeriodLater)
{
    ToFirstAttempt();
    Answer(true);
    const std::int64_t resultDue = m_host.DueOf(TIMER_RESULT);
    m_game.SetDialogOpen(true);
    const int draws = m_host.m_nDraws;
    const std::size_t notes = m_host.m_aNotes.size();
    Advance(resultDue - m_host.m_nNowMs + 10);
    EXPECT_TRUE(m_game.IsShowingResult()); // the dropped tick left the judgement up
    EXPECT_EQ(m_host.m_nDraws, draws);
    EXPECT_EQ(m_host.m_aNotes.size(), notes);
    m_game.SetDialogOpen(false);
    Advance(2000 - 20);
    EXPECT_TRUE(m_game.IsShowingResult());
    Advance(20);
    EXPECT_FALSE(m_game.IsShowingResult());
    EXPECT_GT(m_host.m_nDraws, draws);
}

TEST_F(MelodyGameTest, DialogPausesPlaybackWhereItStands)
{
    Advance(2500 + 600);
    ASSERT_EQ(m_host.m_aNotes.size(), 1u);
    m_game.SetDialogOpen(true);
    Advance(6000);
    EXPECT_EQ(m_host.m_aNotes.size(), 1u);
    EXPECT_EQ(g_nPlayIndex, 1);
    m_game.SetDialogOpen(false);
    Advance(1200);
    EXPECT_EQ(m_host.NotesSince(0), Melody());
}
