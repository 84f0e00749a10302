// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/game_host.h"
#include "game/key_geometry.h"
#include "game/turn_picture.h"

// The turn state of the melody game and the operations on it: the one owner of that state
// (the picture's part of it is held by the CTurnPicture base, read-only to everyone else).
// Pure logic: it reaches the platform only through its host. Coordinates are client
// coordinates of the main window (pixels, y = picture y + 32).
class CMelodyGame final : public CTurnPicture
{
public:
    static constexpr int c_nKeyCount = ::c_nKeyCount;
    static constexpr int c_nMaxLength = 8; // the longest melody of the increasing mode

    explicit CMelodyGame(CGameHost& host);

    // Start of the game: the level 1 banner and the three timers of a fresh window.
    void Start();

    int RandomBelow(int n);
    void NewMelody();
    void PlayStep(int n);
    void OnTimer(int nId);
    // Mouse input in client coordinates; also what any other way of pressing a key goes
    // through (press at the key's centre, then release).
    void OnLButtonDown(int x, int y);
    void OnLButtonUp();
    void OnRButtonDown(int x, int y);
    void RecordNote(int k);
    void Judge();

    void OnHearAgain();
    void OnNewMelody();
    void OnDeleteNotes();
    void OnGameNew();
    // While a dialog that stops the game is open (the About box) every timer tick is dropped.
    void SetDialogOpen(bool bOpen) { m_bDialogOpen = bOpen; }

    // The key (0..7) under a client point, or -1 for gaps and everything off the keys.
    static int KeyAt(int x, int y) { return ::KeyAt(x, y); }

    // The melody is to be played (again) from its first note at the next play ticks.
    bool IsPlayRequested() const { return m_bPlayRequest; }
    // A level banner is up and the next melody waits for it to end.
    bool IsLevelPending() const { return m_bLevelPending; }
    // The click counter is to start again from 0 at the next left press.
    bool IsClickResetPending() const { return m_bResetClicks; }
    bool IsDialogOpen() const { return m_bDialogOpen; }

private:
    void OnResultTimer();
    void OnLevelTimer();
    void ApplyFixedLength();
    void StartLevelBanner();

    CGameHost& m_host;

    // The rest of the turn state; what the picture shows is in CTurnPicture.
    bool m_bPlayRequest = false;
    bool m_bLevelPending = false;
    bool m_bResetClicks = false;
    bool m_bDialogOpen = false;
};
