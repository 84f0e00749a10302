#include "window/picture_state.h"

#include "game/melody_game.h"
#include "game/notes.h"
#include "render/scene.h"
#include "window/note_input.h"

CPictureState CPictureState::Read(const CMelodyGame& game, const CScene& scene)
{
    CPictureState state;
    state.nLength = game.Length();
    state.nEntered = game.EnteredCount();
    for (int i = 0; i < state.nEntered; ++i) {
        state.aEntered[i] = game.Entered(i);
        state.abRight[i] = game.Entered(i) == game.Melody(i);
    }
    for (int k = 0; k < c_nKeyCount; ++k)
        state.abKeyDown[k] = game.IsKeyDown(k);
    state.bKeyboardHidden = game.IsShowingResult();
    state.bShowLevel = game.IsShowingLevel();
    if (state.bKeyboardHidden)
        state.strJudgement = scene.JudgementText();
    if (state.bShowLevel)
        state.strBanner = CScene::BannerText(state.nLength);
    return state;
}

QString CPictureState::StaffText() const
{
    QString text = StaffHead();
    for (int i = 0; i < nEntered; ++i)
        text += StaffPart(i);
    return text;
}

QString CPictureState::StaffHead() const
{
    return QString::number(nLength) + QStringLiteral(" Notes.");
}

QString CPictureState::StaffPart(int nIndex) const
{
    return QStringLiteral(" %1: %2.").arg(nIndex + 1).arg(EntryText(nIndex));
}

QString CPictureState::EntryText(int nIndex) const
{
    const QString name = QString::fromLatin1(c_aszNoteLabel[aEntered[nIndex]]);
    return name + (abRight[nIndex] ? QStringLiteral(", right") : QStringLiteral(", wrong"));
}

bool CPictureState::operator==(const CPictureState& other) const
{
    return nLength == other.nLength && nEntered == other.nEntered && aEntered == other.aEntered
        && abRight == other.abRight && abKeyDown == other.abKeyDown
        && bKeyboardHidden == other.bKeyboardHidden && bShowLevel == other.bShowLevel
        && strJudgement == other.strJudgement && strBanner == other.strBanner;
}
