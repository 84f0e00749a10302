#pragma once

#include "game/game_host.h"

// The turn state of the melody game and the operations on it. Pure logic: it reaches the
// platform only through its host. Coordinates are client coordinates of the main window (pixels,
// y = picture y + 32).
class CMelodyGame
{
public:
    static constexpr int c_nNoteCapacity = 12; // entries of m_aMelody and m_aEntered
    static constexpr int c_nKeyCount = 8;
    static constexpr int c_nMaxLength = 8; // the longest melody of the increasing mode
    static constexpr int c_nStartLength = 3;

    explicit CMelodyGame(CGameHost& host);

    // Start of the game: the level 1 banner and the three timers of a fresh window.
    void Start();

    int RandomBelow(int n);
    void NewMelody();
    void PlayStep(int n);
    void OnTimer(int nId);
    void OnLButtonDown(int x, int y);
    void OnLButtonUp();
    void OnRButtonDown(int x, int y);
    void RecordNote(int k);
    void Judge();

    void OnHearAgain();
    void OnNewMelody();
    void OnDeleteNotes();
    void OnGameNew();

    // The key (0..7) under a client point, or -1 for gaps and everything off the keys.
    static int KeyAt(int x, int y);

    // Turn state, read by the picture.
    int m_aMelody[c_nNoteCapacity] = {};
    int m_aEntered[c_nNoteCapacity] = {};
    int m_nLength = c_nStartLength;
    int m_nEntered = 0;
    int m_nFeedback = 0;
    bool m_abKeyDown[c_nKeyCount] = {};
    bool m_bPlayRequest = false;
    bool m_bShowResult = false;
    bool m_bCorrect = false;
    bool m_bShowLevel = true;
    bool m_bLevelPending = false;
    bool m_bResetClicks = false;
    // Set while the About box is open: every timer tick is dropped.
    bool m_bDialogOpen = false;

private:
    void OnResultTimer();
    void OnLevelTimer();
    void ApplyFixedLength();
    void StartLevelBanner();

    CGameHost& m_host;
};
