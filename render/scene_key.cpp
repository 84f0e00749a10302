// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/scene_key.h"

#include "game/key_geometry.h"
#include "game/turn_picture.h"

CSceneKey::CSceneKey(const CTurnPicture& game, int nRatio)
    : m_nEntered(game.EnteredCount())
    , m_nLength(game.Length())
    , m_nFeedback(game.Feedback())
    , m_nRatio(nRatio)
{
    for (int k = 0; k < c_nKeyCount; ++k)
        m_uFlags |= game.IsKeyDown(k) ? 1u << k : 0u;
    m_uFlags |= game.IsShowingResult() ? 1u << 8 : 0u;
    m_uFlags |= game.IsCorrect() ? 1u << 9 : 0u;
    m_uFlags |= game.IsShowingLevel() ? 1u << 10 : 0u;
    for (int i = 0; i < m_nEntered; ++i) {
        const int k = game.Entered(i);
        m_aSmiley[i] = static_cast<std::int8_t>(k * 2 + (k == game.Melody(i) ? 1 : 0));
    }
}

bool CSceneKey::operator==(const CSceneKey& other) const
{
    return m_nEntered == other.m_nEntered && m_nLength == other.m_nLength
        && m_nFeedback == other.m_nFeedback && m_nRatio == other.m_nRatio
        && m_uFlags == other.m_uFlags && m_aSmiley == other.m_aSmiley;
}
