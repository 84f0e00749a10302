// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class CMelodyGame;

// When the microphone may enter notes: only while the player answers. Never while the game
// sounds (a melody playing or asked for, and until a note's sound and its echo have died away,
// so that the game's own notes from the loudspeakers never enter), during the judgement or the
// level banner, or while a dialog is open. Times are steady-clock milliseconds.
class CListenWindow
{
public:
    // A game note lasts about 400 ms; the rest covers the output's latency and the room.
    static constexpr int c_nAfterNoteMs = 600;

    // The game started sounding a note at nNowMs.
    void NoteSounded(std::int64_t nNowMs) { m_nQuietAt = nNowMs + c_nAfterNoteMs; }
    // Whether the player is answering now; bDialogOpen: a dialog of the window is open.
    bool IsOpen(const CMelodyGame& game, bool bDialogOpen, std::int64_t nNowMs) const;

private:
    std::int64_t m_nQuietAt = 0;
};
