// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class CScene;
struct CTurnSnapshot;

// What the picture tells the player at one moment, in words: a snapshot of the turn read
// aloud. Holds both by reference; they must outlive it.
class CPictureWords
{
public:
    CPictureWords(const CTurnSnapshot& turn, const CScene& scene);

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
    QString Judgement() const;
    QString Banner() const;

private:
    const CTurnSnapshot& m_turn;
    const CScene& m_scene;
};
