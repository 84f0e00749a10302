// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

class CMelodyGame;
class CScene;

// What the picture tells the player at one moment, in words: the one place where the
// accessible picture reads the turn state.
struct CPictureState
{
    static CPictureState Read(const CMelodyGame& game, const CScene& scene);

    // "3 Notes. 1: F, right. 2: A, wrong." for the length and the notes entered so far.
    QString StaffText() const;
    // StaffText() is the head ("3 Notes.") followed by one part per entered note (" 1: F, right.").
    QString StaffHead() const;
    QString StaffPart(int nIndex) const;
    // What the smiley of entered note nIndex shows: "F, right".
    QString EntryText(int nIndex) const;
    // The key label of entered note nIndex ("F") and its verdict ("right" or "wrong").
    QString NoteName(int nIndex) const;
    QString Verdict(int nIndex) const;
    // The shown judgement or banner, empty while it is not shown.
    QString Judgement() const { return bKeyboardHidden ? strJudgement : QString(); }
    QString Banner() const { return bShowLevel ? strBanner : QString(); }

    bool operator==(const CPictureState& other) const;
    bool operator!=(const CPictureState& other) const { return !(*this == other); }

    int nLength = 0;
    int nEntered = 0; // clamped to the arrays' capacity
    std::array<int, 12> aEntered {};
    std::array<bool, 12> abRight {};
    std::array<bool, 8> abKeyDown {}; // shown held (red)
    bool bKeyboardHidden = false; // the judgement stands where the keys are
    bool bShowLevel = false;
    QString strJudgement;
    QString strBanner;
};
