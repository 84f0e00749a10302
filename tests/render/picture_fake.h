#pragma once

#include "game/turn_picture.h"

// A turn state set by hand, so that a test can show any state the game can reach. Starts as a
// fresh game does: three notes, nothing entered, the level banner up.
class CPictureFake final : public CTurnPicture
{
public:
    int Melody(int i) const override { return m_aMelody[i]; }
    int Entered(int i) const override { return m_aEntered[i]; }
    int Length() const override { return m_nLength; }
    int EnteredCount() const override { return m_nEntered; }
    int Feedback() const override { return m_nFeedback; }
    bool IsKeyDown(int k) const override { return m_abKeyDown[k]; }
    bool IsShowingResult() const override { return m_bShowResult; }
    bool IsCorrect() const override { return m_bCorrect; }
    bool IsShowingLevel() const override { return m_bShowLevel; }

    int m_aMelody[12] = {};
    int m_aEntered[12] = {};
    int m_nLength = 3;
    int m_nEntered = 0;
    int m_nFeedback = 0;
    bool m_abKeyDown[8] = {};
    bool m_bShowResult = false;
    bool m_bCorrect = false;
    bool m_bShowLevel = true;
};
