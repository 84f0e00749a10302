// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/menu_title_accessible.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

CMenuTitleAccessible::CMenuTitleAccessible(
    QAccessibleInterface* pParent, QMenuBar* pOwner, QAction* pAction)
    : m_pParent(pParent)
    , m_pOwner(pOwner)
    , m_pAction(pAction)
{ }

// No object: the accessible cache would otherwise tie this item's life to the action's, while
// the bar's interface owns it.
QObject* CMenuTitleAccessible::object() const
{
    return nullptr;
}

QAccessibleInterface* CMenuTitleAccessible::childAt(int x, int y) const
{
    QAccessibleInterface* pMenu = child(0);
    return pMenu != nullptr && pMenu->rect().contains(x, y) ? pMenu : nullptr;
}

QAccessibleInterface* CMenuTitleAccessible::child(int nIndex) const
{
    if (nIndex != 0 || !m_pAction || m_pAction->menu() == nullptr)
        return nullptr;
    return QAccessible::queryAccessibleInterface(m_pAction->menu());
}

int CMenuTitleAccessible::childCount() const
{
    return m_pAction && m_pAction->menu() != nullptr ? 1 : 0;
}

int CMenuTitleAccessible::indexOfChild(const QAccessibleInterface* pChild) const
{
    return pChild != nullptr && pChild == child(0) ? 0 : -1;
}

QString CMenuTitleAccessible::text(QAccessible::Text t) const
{
    if (!m_pAction)
        return {};
    switch (t) {
    case QAccessible::Name: {
        // "&Help" reads "Help"; a doubled ampersand stands for one.
        QString name = m_pAction->text();
        name.replace(QLatin1String("&&"), QStringLiteral("\x01"));
        name.remove(QLatin1Char('&'));
        name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        return name;
    }
    case QAccessible::Accelerator:
        return QKeySequence::mnemonic(m_pAction->text()).toString(QKeySequence::NativeText);
    default:
        return {};
    }
}

QRect CMenuTitleAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_pOwner->actionGeometry(m_pAction);
    return QRect(m_pOwner->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State CMenuTitleAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.hasPopup = true;
    state.focusable = true;
    state.invisible = !m_pAction->isVisible() || !m_pOwner->isVisible();
    state.disabled = !m_pAction->isEnabled();
    state.focused = state.hotTracked = m_pOwner->activeAction() == m_pAction;
    state.expanded = m_pAction->menu() != nullptr && m_pAction->menu()->isVisible();
    return state;
}

void* CMenuTitleAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList CMenuTitleAccessible::actionNames() const
{
    return {showMenuAction()};
}

void CMenuTitleAccessible::doAction(const QString& strAction)
{
    if ((strAction == showMenuAction() || strAction == pressAction()) && isValid())
        m_pOwner->setActiveAction(m_pAction);
}

QStringList CMenuTitleAccessible::keyBindingsForAction(const QString& strAction) const
{
    if (strAction != showMenuAction())
        return {};
    return {text(QAccessible::Accelerator)};
}
