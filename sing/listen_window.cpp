// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/listen_window.h"

#include "game/game_globals.h"
#include "game/melody_game.h"

bool CListenWindow::IsOpen(const CMelodyGame& game, bool bDialogOpen, std::int64_t nNowMs) const
{
    if (bDialogOpen || game.IsDialogOpen())
        return false;
    if (game.IsPlayRequested() || g_bPlaying || nNowMs < m_nQuietAt)
        return false;
    return !game.IsShowingResult() && !game.IsShowingLevel() && !game.IsLevelPending();
}
