#include "access/key_accessible.h"

#include "access/view_accessible.h"
#include "game/key_geometry.h"
#include "game/notes.h"

namespace {

// Where key k is painted (bitmap 122), in picture pixels.
QRect KeyRect(int k)
{
    return QRect(KeyPictureLeft(k), c_nKeyPictureTop, c_nKeyWidth, c_nKeyHeight);
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
            .arg(QString::fromLatin1(c_aszNotePitch[m_nKey]),
                QChar::fromLatin1(c_szKeyLetters[m_nKey]))
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
