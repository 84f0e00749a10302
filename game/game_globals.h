// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The game's process-wide counters. Only CMelodyGame writes them (and ResetGameGlobals());
// the settings are behind CGameSettings (game/settings.h).
extern int g_nSuccessCount; // success counter for level progression
extern bool g_bPlaying; // a playback pass is in progress
extern int g_nPlayIndex; // melody position of the next note to play
extern int g_nClickCount; // key clicks counted towards the current attempt
extern bool g_bSeedPending; // the random generator has not been seeded yet
extern std::uint32_t g_uRandomState; // state of the melody generator
