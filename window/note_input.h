// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/key_geometry.h"

class CMelodyGame;

// The computer keys that play the eight keys from left to right (besides 1 .. 8).
inline constexpr char c_szKeyLetters[] = "ASDFGHJK";

// The one way that input other than the mouse reaches the eight keys: each operation acts
// exactly like the mouse on the centre of key k's hit area (client coordinates). It is also the
// one gate for every source, the mouse included: while a modal dialog is open no key is
// pressed or sounded (a release still lets go).
class CNoteInput
{
public:
    explicit CNoteInput(CMelodyGame& game)
        : m_game(game)
    { }

    // Like a left press on key k (0..7): sounds, shows held and enters the note.
    void Press(int k);
    // Like the left button's release: no key shows held any more.
    void Release();
    // Like a right click on key k: only sounds the note.
    void Sound(int k);
    // A whole left click on key k: press and release.
    void Click(int k);

    static bool IsKey(int k) { return k >= 0 && k < c_nKeyCount; }
    // True while a modal dialog keeps input away from the game window.
    static bool IsBlocked();

private:
    CMelodyGame& m_game;
};
