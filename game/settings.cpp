#include "game/settings.h"

bool g_bIncrease = true;
int g_nIncreaseAfter = 3;
int g_nFixedLength = 4;
int g_nSuccessCount = -1;
bool g_bPlaying = true;
int g_nPlayIndex = 0;
int g_nClickCount = 0;
bool g_bSeedPending = true;
std::uint32_t g_uRandomState = 1;

void ResetGameGlobals()
{
    g_bIncrease = true;
    g_nIncreaseAfter = 3;
    g_nFixedLength = 4;
    g_nSuccessCount = -1;
    g_bPlaying = true;
    g_nPlayIndex = 0;
    g_nClickCount = 0;
    g_bSeedPending = true;
    g_uRandomState = 1;
}
