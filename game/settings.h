#pragma once

#include <cstdint>

// Process-wide game settings and counters. Nothing is saved: every run starts from these values.
extern bool g_bIncrease; // true: the melody grows; false: fixed length
extern int g_nIncreaseAfter; // successes needed for each one-note increase
extern int g_nFixedLength; // melody length in fixed mode
extern int g_nSuccessCount; // success counter for level progression
extern bool g_bPlaying; // a playback pass is in progress
extern int g_nPlayIndex; // melody position of the next note to play
extern int g_nClickCount; // key clicks counted towards the current attempt
extern bool g_bSeedPending; // the random generator has not been seeded yet
extern std::uint32_t g_uRandomState; // state of the melody generator

// Accepted ranges of the two numeric settings.
constexpr int c_nMinIncreaseAfter = 1;
constexpr int c_nMaxIncreaseAfter = 10;
constexpr int c_nMinFixedLength = 3;
constexpr int c_nMaxFixedLength = 8;

// Puts every global above back to its start value (a fresh run; used by tests).
void ResetGameGlobals();
