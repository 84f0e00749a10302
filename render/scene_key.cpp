#include "render/scene_key.h"

#include "game/melody_game.h"

#include <algorithm>

CSceneKey::CSceneKey(const CMelodyGame& game, int nRatio)
    : m_nEntered(std::clamp(game.m_nEntered, 0, CMelodyGame::c_nNoteCapacity))
    , m_nLength(game.m_nLength)
    , m_nFeedback(game.m_nFeedback)
    , m_nRatio(nRatio)
{
    for (int k = 0; k < CMelodyGame::c_nKeyCount; ++k)
        m_uFlags |= game.m_abKeyDown[k] ? 1u << k : 0u;
    m_uFlags |= game.m_bShowResult ? 1u << 8 : 0u;
    m_uFlags |= game.m_bCorrect ? 1u << 9 : 0u;
    m_uFlags |= game.m_bShowLevel ? 1u << 10 : 0u;
    for (int i = 0; i < m_nEntered; ++i) {
        const int k = game.m_aEntered[i];
        m_aSmiley[i] = static_cast<std::int8_t>(k * 2 + (k == game.m_aMelody[i] ? 1 : 0));
    }
}

bool CSceneKey::operator==(const CSceneKey& other) const
{
    return m_nEntered == other.m_nEntered && m_nLength == other.m_nLength
        && m_nFeedback == other.m_nFeedback && m_nRatio == other.m_nRatio
        && m_uFlags == other.m_uFlags && m_aSmiley == other.m_aSmiley;
}
