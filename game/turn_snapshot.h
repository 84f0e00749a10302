// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/turn_picture.h"

#include <array>

// Everything of a turn that the picture shows, at one moment, as a comparable value: two equal
// snapshots are the same picture. The scene compares them to skip redrawing, the accessible
// picture to tell a screen reader what changed.
struct CTurnSnapshot
{
    static CTurnSnapshot Of(const CTurnPicture& turn);

    bool operator==(const CTurnSnapshot& other) const;
    bool operator!=(const CTurnSnapshot& other) const { return !(*this == other); }

    int nLength = 0;
    int nEntered = 0; // notes entered in this attempt: the smileys
    int nFeedback = 0; // which judgement texts (0..2)
    // The entered notes and whether each matches the melody; false and 0 from nEntered on.
    std::array<int, CTurnPicture::c_nNoteCapacity> aEntered {};
    std::array<bool, CTurnPicture::c_nNoteCapacity> abRight {};
    std::array<bool, c_nKeyCount> abKeyDown {}; // shown held (red)
    bool bShowResult = false; // the judgement stands where the keys are
    bool bCorrect = false; // the verdict of the last judgement
    bool bShowLevel = false; // the level banner is up
};
