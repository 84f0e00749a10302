// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/settings.h"

#include "game/game_globals.h"

#include <tuple>

namespace {

bool g_bIncrease = true;
int g_nIncreaseAfter = 3;
int g_nFixedLength = 4;

// Every global of the game, in one place: their start values are read from here once, before
// anything can change them, and ResetGameGlobals() writes those back.
auto Globals()
{
    return std::tie(g_bIncrease, g_nIncreaseAfter, g_nFixedLength, g_nSuccessCount, g_bPlaying,
        g_nPlayIndex, g_nClickCount, g_bSeedPending, g_uRandomState);
}

} // namespace

int g_nSuccessCount = -1;
bool g_bPlaying = true;
int g_nPlayIndex = 0;
int g_nClickCount = 0;
bool g_bSeedPending = true;
std::uint32_t g_uRandomState = 1;

namespace {

// Constant-initialised above, so this copy sees the start values whatever the order of
// dynamic initialisation.
const auto c_startValues
    = std::apply([](auto&... values) { return std::make_tuple(values...); }, Globals());

// The one place where a setting's number is checked: out of range leaves it unchanged.
bool StoreInRange(int& nSetting, int nValue, int nMin, int nMax)
{
    if (nValue < nMin || nValue > nMax)
        return false;
    nSetting = nValue;
    return true;
}

} // namespace

bool CGameSettings::Increase()
{
    return g_bIncrease;
}

void CGameSettings::SetIncrease(bool bIncrease)
{
    g_bIncrease = bIncrease;
}

int CGameSettings::IncreaseAfter()
{
    return g_nIncreaseAfter;
}

bool CGameSettings::SetIncreaseAfter(int nValue)
{
    return StoreInRange(g_nIncreaseAfter, nValue, c_nMinIncreaseAfter, c_nMaxIncreaseAfter);
}

int CGameSettings::FixedLength()
{
    return g_nFixedLength;
}

bool CGameSettings::SetFixedLength(int nValue)
{
    return StoreInRange(g_nFixedLength, nValue, c_nMinFixedLength, c_nMaxFixedLength);
}

void ResetGameGlobals()
{
    Globals() = c_startValues;
}
