#include "app/picture_state.h"

#include "app/note_input.h"
#include "game/melody_game.h"
#include "render/scene.h"

#include <algorithm>

namespace { } // namespace

CPictureState CPictureState::Read(const CMelodyGame& game, const CScene& scene)
{
    CPictureState state;
    state.nLength = game.m_nLength;
    state.nEntered = std::clamp(game.m_nEntered, 0, CMelodyGame::c_nNoteCapacity);
    for (int i = 0; i < state.nEntered; ++i) {
        state.aEntered[i] = game.m_aEntered[i];
        state.abRight[i] = game.m_aEntered[i] == game.m_aMelody[i];
    }
    for (int k = 0; k < 8; ++k)
        state.abKeyDown[k] = game.m_abKeyDown[k];
    state.bKeyboardHidden = game.m_bShowResult;
    state.bShowLevel = game.m_bShowLevel;
    if (state.bKeyboardHidden)
        state.strJudgement = scene.JudgementText();
    if (state.bShowLevel)
        state.strBanner = CScene::BannerText(state.nLength);
    return state;
}

QString CPictureState::StaffText() const
{
    QString text = QString::number(nLength) + QStringLiteral(" Notes.");
    for (int i = 0; i < nEntered; ++i) {
        const int k = aEntered[i];
        const QString name
            = k >= 0 && k < 8 ? QString::fromLatin1(c_aszKeyName[k]) : QStringLiteral("?");
        text += QStringLiteral(" %1: %2, %3.")
                    .arg(i + 1)
                    .arg(name, abRight[i] ? QStringLiteral("right") : QStringLiteral("wrong"));
    }
    return text;
}

bool CPictureState::operator==(const CPictureState& other) const
{
    return nLength == other.nLength && nEntered == other.nEntered && aEntered == other.aEntered
        && abRight == other.abRight && abKeyDown == other.abKeyDown
        && bKeyboardHidden == other.bKeyboardHidden && bShowLevel == other.bShowLevel
        && strJudgement == other.strJudgement && strBanner == other.strBanner;
}
