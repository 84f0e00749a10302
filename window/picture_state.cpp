// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/picture_state.h"

#include "game/melody_game.h"
#include "game/notes.h"
#include "render/scene.h"
#include "window/note_input.h"

#include <QCoreApplication>

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
    return QCoreApplication::translate("Access", "%n Notes.", nullptr, nLength);
}

QString CPictureState::StaffPart(int nIndex) const
{
    return QLatin1Char(' ')
        + QCoreApplication::translate("Access", "%1: %2, %3.")
              .arg(nIndex + 1)
              .arg(NoteName(nIndex), Verdict(nIndex));
}

QString CPictureState::EntryText(int nIndex) const
{
    return QCoreApplication::translate("Access", "%1, %2").arg(NoteName(nIndex), Verdict(nIndex));
}

QString CPictureState::NoteName(int nIndex) const
{
    return QString::fromLatin1(c_aszNoteLabel[aEntered[nIndex]]);
}

QString CPictureState::Verdict(int nIndex) const
{
    const char* szVerdict = abRight[nIndex] ? QT_TRANSLATE_NOOP("Access", "right")
                                            : QT_TRANSLATE_NOOP("Access", "wrong");
    return QCoreApplication::translate("Access", szVerdict);
}

bool CPictureState::operator==(const CPictureState& other) const
{
    return nLength == other.nLength && nEntered == other.nEntered && aEntered == other.aEntered
        && abRight == other.abRight && abKeyDown == other.abKeyDown
        && bKeyboardHidden == other.bKeyboardHidden && bShowLevel == other.bShowLevel
        && strJudgement == other.strJudgement && strBanner == other.strBanner;
}
