// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/key_geometry.h"

// What the picture shows of a turn: the share of the turn state the scene reads, with read-only
// access for everyone. Only a derived class writes it, and the only one in the program is
// CMelodyGame, which keeps every value in range: notes 0..7, m_nLength 3..8, m_nEntered 0..8,
// m_nFeedback 0..2. Accessors take i in 0..11 and k in 0..7.
class CTurnPicture
{
public:
    static constexpr int c_nNoteCapacity = 12; // entries of m_aMelody and m_aEntered
    static constexpr int c_nStartLength = 3;

    int Melody(int i) const { return m_aMelody[i]; }
    int Entered(int i) const { return m_aEntered[i]; }
    int Length() const { return m_nLength; }
    int EnteredCount() const { return m_nEntered; } // notes entered in this attempt (smileys)
    int Feedback() const { return m_nFeedback; } // which judgement texts (0..2)
    bool IsKeyDown(int k) const { return m_abKeyDown[k]; }
    bool IsShowingResult() const { return m_bShowResult; } // the judgement replaces the keys
    bool IsCorrect() const { return m_bCorrect; } // the verdict of the last judgement
    bool IsShowingLevel() const { return m_bShowLevel; } // the level banner is up

protected:
    CTurnPicture() = default;
    ~CTurnPicture() = default;

    int m_aMelody[c_nNoteCapacity] = {};
    int m_aEntered[c_nNoteCapacity] = {};
    int m_nLength = c_nStartLength;
    int m_nEntered = 0;
    int m_nFeedback = 0;
    bool m_abKeyDown[c_nKeyCount] = {};
    bool m_bShowResult = false;
    bool m_bCorrect = false;
    bool m_bShowLevel = true;
};
