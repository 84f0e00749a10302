// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A million random events against the game logic on a virtual clock, with the invariants that
// keep every array access in bounds checked after each one. Deterministic: the event stream is
// seeded. The sanitizer build runs it too.
#include "game/game_globals.h"
#include "game/melody_game.h"
#include "game/settings.h"
#include "tests/common/fake_host.h"

#include <climits>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr int c_nEvents = 1000000;

// Every setting value the game may meet, in and out of the dialog's ranges.
const int c_aOddValues[]
    = {INT_MIN, -100, -1, 0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 1000, INT_MAX};

class CSoakDriver
{
public:
    explicit CSoakDriver(unsigned nSeed)
        : m_random(nSeed)
    {
        ResetGameGlobals();
        m_game.Start();
    }

    void Step()
    {
        const int kind = Below(100);
        if (kind < 30)
            m_game.OnLButtonDown(Below(420) - 10, 150 + Below(120));
        else if (kind < 45)
            m_game.OnLButtonUp();
        else if (kind < 52)
            m_game.OnRButtonDown(Below(420) - 10, 150 + Below(120));
        else if (kind < 80)
            m_host.Advance(m_game, Below(700));
        else if (kind < 88)
            Command(Below(4));
        else if (kind < 94)
            ChangeSettings();
        else
            m_game.SetDialogOpen(Below(4) == 0);
    }

    // The first broken invariant, or an empty string.
    std::string Broken() const
    {
        if (m_game.Length() < 3 || m_game.Length() > 8)
            return "length " + std::to_string(m_game.Length());
        if (m_game.EnteredCount() < 0 || m_game.EnteredCount() > 8)
            return "entered " + std::to_string(m_game.EnteredCount());
        if (g_nPlayIndex < 0 || g_nPlayIndex >= CMelodyGame::c_nNoteCapacity)
            return "play index " + std::to_string(g_nPlayIndex);
        if (m_game.Feedback() < 0 || m_game.Feedback() > 2)
            return "feedback " + std::to_string(m_game.Feedback());
        for (int i = 0; i < CMelodyGame::c_nNoteCapacity; ++i) {
            if (m_game.Melody(i) < 0 || m_game.Melody(i) > 7)
                return "melody note " + std::to_string(m_game.Melody(i));
            if (m_game.Entered(i) < 0 || m_game.Entered(i) > 7)
                return "entered note " + std::to_string(m_game.Entered(i));
        }
        for (const CFakeHost::SNote& note : m_host.m_aNotes) {
            if (note.nNote < 0 || note.nNote > 7)
                return "played note " + std::to_string(note.nNote);
        }
        return {};
    }

    CFakeHost m_host;
    CMelodyGame m_game {m_host};

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    void Command(int which)
    {
        switch (which) {
        case 0:
            m_game.OnHearAgain();
            break;
        case 1:
            m_game.OnNewMelody();
            break;
        case 2:
            m_game.OnDeleteNotes();
            break;
        default:
            m_game.OnGameNew();
            break;
        }
    }

    void ChangeSettings()
    {
        const int count = static_cast<int>(std::size(c_aOddValues));
        CGameSettings::SetIncrease(Below(2) == 0);
        CGameSettings::SetFixedLength(c_aOddValues[Below(count)]);
        CGameSettings::SetIncreaseAfter(c_aOddValues[Below(count)]);
    }

    std::mt19937 m_random;
};

} // namespace

TEST(SoakTest, AMillionRandomEventsKeepEveryIndexInBounds)
{
    CSoakDriver driver(20261208u);
    int judged = 0;
    int levels = 0;
    for (int i = 0; i < c_nEvents; ++i) {
        const bool wasShowing = driver.m_game.IsShowingResult();
        const int lengthBefore = driver.m_game.Length();
        driver.Step();
        judged += !wasShowing && driver.m_game.IsShowingResult();
        levels += driver.m_game.Length() > lengthBefore;
        const std::string broken = driver.Broken();
        ASSERT_TRUE(broken.empty()) << "after event " << i << ": " << broken;
        if (driver.m_host.m_aNotes.size() > 4096)
            driver.m_host.m_aNotes.clear();
    }
    // The stream must really reach the judgement and the level changes, or it proves little.
    EXPECT_GT(judged, 1000);
    EXPECT_GT(levels, 100);
}
