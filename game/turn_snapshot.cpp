// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/turn_snapshot.h"

CTurnSnapshot CTurnSnapshot::Of(const CTurnPicture& turn)
{
    CTurnSnapshot now;
    now.nLength = turn.Length();
    now.nEntered = turn.EnteredCount();
    now.nFeedback = turn.Feedback();
    for (int i = 0; i < now.nEntered; ++i) {
        now.aEntered[i] = turn.Entered(i);
        now.abRight[i] = turn.Entered(i) == turn.Melody(i);
    }
    for (int k = 0; k < c_nKeyCount; ++k)
        now.abKeyDown[k] = turn.IsKeyDown(k);
    now.bShowResult = turn.IsShowingResult();
    now.bCorrect = turn.IsCorrect();
    now.bShowLevel = turn.IsShowingLevel();
    return now;
}

bool CTurnSnapshot::operator==(const CTurnSnapshot& other) const
{
    return nLength == other.nLength && nEntered == other.nEntered && nFeedback == other.nFeedback
        && aEntered == other.aEntered && abRight == other.abRight && abKeyDown == other.abKeyDown
        && bShowResult == other.bShowResult && bCorrect == other.bCorrect
        && bShowLevel == other.bShowLevel;
}
