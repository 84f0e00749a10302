// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/picture_words.h"

#include "game/notes.h"
#include "game/turn_snapshot.h"
#include "render/scene.h"

#include <QCoreApplication>

CPictureWords::CPictureWords(const CTurnSnapshot& turn, const CScene& scene)
    : m_turn(turn)
    , m_scene(scene)
{ }

QString CPictureWords::StaffText() const
{
    QString text = StaffHead();
    for (int i = 0; i < m_turn.nEntered; ++i)
        text += StaffPart(i);
    return text;
}

QString CPictureWords::StaffHead() const
{
    return QCoreApplication::translate("Access", "%n Notes.", nullptr, m_turn.nLength);
}

QString CPictureWords::StaffPart(int nIndex) const
{
    return QLatin1Char(' ')
        + QCoreApplication::translate("Access", "%1: %2, %3.")
              .arg(nIndex + 1)
              .arg(NoteName(nIndex), Verdict(nIndex));
}

QString CPictureWords::EntryText(int nIndex) const
{
    return QCoreApplication::translate("Access", "%1, %2").arg(NoteName(nIndex), Verdict(nIndex));
}

QString CPictureWords::NoteName(int nIndex) const
{
    return QString::fromLatin1(c_aszNoteLabel[m_turn.aEntered[nIndex]]);
}

QString CPictureWords::Verdict(int nIndex) const
{
    const char* szVerdict = m_turn.abRight[nIndex] ? QT_TRANSLATE_NOOP("Access", "right")
                                                   : QT_TRANSLATE_NOOP("Access", "wrong");
    return QCoreApplication::translate("Access", szVerdict);
}

QString CPictureWords::Judgement() const
{
    return m_turn.bShowResult ? m_scene.JudgementText(m_turn.nFeedback, m_turn.bCorrect)
                              : QString();
}

QString CPictureWords::Banner() const
{
    return m_turn.bShowLevel ? CScene::BannerText(m_turn.nLength) : QString();
}
