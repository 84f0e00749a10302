#include "access/key_accessible.h"

#include "access/view_accessible.h"
#include "game/notes.h"

namespace {

const char* const c_aszPitch[8] = {"E3", "F3", "G3", "A3", "B3", "C4", "D4", "E4"};

// Where key k is painted: bitmap 122, 48 x 71, at picture (3 + 48k, 145).
QRect KeyRect(int k)
{
    return QRect(3 + 48 * k, 145, 48, 71);
}

} // namespace

const QString& CKeyAccessible::SoundAction()
{
    static const QString c_strSound = QStringLiteral("Sound");
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
        return QStringLiteral("%1, key %2 or %3")
            .arg(QString::fromLatin1(c_aszPitch[m_nKey]), QChar::fromLatin1(c_szKeyLetters[m_nKey]))
            .arg(m_nKey + 1);
    case QAccessible::Accelerator:
        return QString(QChar::fromLatin1(c_szKeyLetters[m_nKey]));
    default:
        return {};
    }
}

QAccessible::State CKeyAccessible::state() const
{
    const CPictureState now = m_view.State();
    QAccessible::State state;
    state.invisible = now.bKeyboardHidden;
    state.pressed = !now.bKeyboardHidden && now.abKeyDown[m_nKey];
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
    const QString letter(QChar::fromLatin1(c_szKeyLetters[m_nKey]));
    const QString digit = QString::number(m_nKey + 1);
    if (strAction == pressAction())
        return {letter, digit};
    if (strAction == SoundAction())
        return {QStringLiteral("Shift+") + letter, QStringLiteral("Shift+") + digit};
    return {};
}
