// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/game_host.h"

#include <cstdint>
#include <map>
#include <vector>

class CMelodyGame;

// A host with a virtual clock: timers fire in time order as the clock advances, notes and
// redraws are recorded with the time they happened (ms since the start).
class CFakeHost : public CGameHost
{
public:
    struct SNote
    {
        std::int64_t nAtMs;
        int nNote;
    };

    void StartTimer(int nId, int nPeriodMs) override;
    void StopTimer(int nId) override;
    void PlayNote(int nNote) override;
    std::int64_t CurrentTime() override { return m_nEpochSeconds; }
    void DrawScene() override { ++m_nDraws; }

    // Moves the clock forward by nMs, delivering every tick that falls due to the game.
    void Advance(CMelodyGame& game, std::int64_t nMs);
    bool IsRunning(int nId) const { return m_timers.count(nId) != 0; }
    int PeriodOf(int nId) const;
    std::int64_t DueOf(int nId) const;
    // The notes played at or after nFromMs.
    std::vector<int> NotesSince(std::int64_t nFromMs) const;

    std::int64_t m_nNowMs = 0;
    std::int64_t m_nEpochSeconds = 1;
    int m_nDraws = 0;
    std::vector<SNote> m_aNotes;

private:
    struct STimer
    {
        int nPeriodMs;
        std::int64_t nDueMs;
    };
    std::map<int, STimer> m_timers;
};
