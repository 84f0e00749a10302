// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/turn_picture.h"

// A turn state set by hand, so that a test can show any state the game can reach. Starts as a
// fresh game does: three notes, nothing entered, the level banner up.
class CPictureFake final : public CTurnPicture
{
public:
    using CTurnPicture::m_abKeyDown;
    using CTurnPicture::m_aEntered;
    using CTurnPicture::m_aMelody;
    using CTurnPicture::m_bCorrect;
    using CTurnPicture::m_bShowLevel;
    using CTurnPicture::m_bShowResult;
    using CTurnPicture::m_nEntered;
    using CTurnPicture::m_nFeedback;
    using CTurnPicture::m_nLength;
};
