// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The player's settings, process-wide. Nothing is saved: every run starts from the defaults.
// This is the one gate for them: a number outside its range is refused here, and whoever
// reads them (the game, the Settings box) can rely on the range.
class CGameSettings
{
public:
    static constexpr int c_nMinIncreaseAfter = 1;
    static constexpr int c_nMaxIncreaseAfter = 10;
    static constexpr int c_nMinFixedLength = 3;
    static constexpr int c_nMaxFixedLength = 8;

    // True: the melody grows; false: it keeps the fixed length.
    static bool Increase();
    static void SetIncrease(bool bIncrease);
    // Successes needed for each one-note increase (1..10).
    static int IncreaseAfter();
    // Stores nValue if it lies in 1..10; otherwise false and the setting stays as it was.
    static bool SetIncreaseAfter(int nValue);
    // Melody length in fixed mode (3..8).
    static int FixedLength();
    // Stores nValue if it lies in 3..8; otherwise false and the setting stays as it was.
    static bool SetFixedLength(int nValue);
};

// Puts the settings and the game's counters (game/game_globals.h) back to their start values,
// as in a fresh run.
void ResetGameGlobals();
