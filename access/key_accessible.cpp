// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/key_accessible.h"

#include "access/view_accessible.h"
#include "game/key_geometry.h"
#include "game/notes.h"
#include "window/home_row.h"

#include <QCoreApplication>

namespace {

// Pitch names as the player's language writes them (German and Polish call B "H").
const char* const c_aszPitch[8]
    = {QT_TRANSLATE_NOOP("Pitch", "E3"), QT_TRANSLATE_NOOP("Pitch", "F3"),
        QT_TRANSLATE_NOOP("Pitch", "G3"), QT_TRANSLATE_NOOP("Pitch", "A3"),
        QT_TRANSLATE_NOOP("Pitch", "B3"), QT_TRANSLATE_NOOP("Pitch", "C4"),
        QT_TRANSLATE_NOOP("Pitch", "D4"), QT_TRANSLATE_NOOP("Pitch", "E4")};
const char* const c_szSound = QT_TRANSLATE_NOOP("Access", "Sound");

// Where key k is painted (bitmap 122), in picture pixels.
QRect KeyRect(int k)
{
    return QRect(KeyPictureLeft(k), c_nKeyPictureTop, c_nKeyWidth, c_nKeyHeight);
}

} // namespace

const QString& CKeyAccessible::SoundAction()
{
    static const QString c_strSound = QString::fromLatin1(c_szSound);
    return c_strSound;
}

CKeyAccessible::CKeyAccessible(CViewAccessible& view, int nKey)
    : CPictureItemAccessible(view, KeyRect(nKey))
    , m_nKey(nKey)
{ }

QString CKeyAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return QString::fromLatin1(c_aszNoteLabel[m_nKey]);
    case QAccessible::Description:
        return QCoreApplication::translate("Access", "%1, key %2 or %3")
            .arg(QCoreApplication::translate("Pitch", c_aszPitch[m_nKey]), CHomeRow::Label(m_nKey))
            .arg(m_nKey + 1);
    case QAccessible::Accelerator:
        return CHomeRow::Label(m_nKey);
    default:
        return {};
    }
}

QAccessible::State CKeyAccessible::state() const
{
    const CTurnSnapshot now = m_view.State();
    QAccessible::State state;
    state.invisible = now.bShowResult;
    state.pressed = !now.bShowResult && now.abKeyDown[m_nKey];
    return state;
}

void* CKeyAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList CKeyAccessible::actionNames() const
{
    return {pressAction(), SoundAction()};
}

void CKeyAccessible::doAction(const QString& strAction)
{
    if (strAction == pressAction())
        m_view.Input().Click(m_nKey);
    else if (strAction == SoundAction())
        m_view.Input().Sound(m_nKey);
}

QStringList CKeyAccessible::keyBindingsForAction(const QString& strAction) const
{
    const QString letter = CHomeRow::Label(m_nKey);
    const QString digit = QString::number(m_nKey + 1);
    if (strAction == pressAction())
        return {letter, digit};
    if (strAction == SoundAction())
        return {QStringLiteral("Shift+") + letter, QStringLiteral("Shift+") + digit};
    return {};
}

QString CKeyAccessible::localizedActionName(const QString& strAction) const
{
    if (strAction == SoundAction())
        return QCoreApplication::translate("Access", c_szSound);
    return QAccessibleActionInterface::localizedActionName(strAction);
}
