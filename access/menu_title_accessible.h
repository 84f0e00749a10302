// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenuBar;

// One menu's title in a menu bar: a menu item whose only child is its menu. Press opens it.
class CMenuTitleAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CMenuTitleAccessible(QAccessibleInterface* pParent, QMenuBar* pOwner, QAction* pAction);

    QAction* Action() const { return m_pAction.data(); }

    bool isValid() const override { return m_pOwner && m_pAction; }
    QObject* object() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override { return m_pParent; }
    QAccessibleInterface* child(int nIndex) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* pChild) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& strAction) override;
    QStringList keyBindingsForAction(const QString& strAction) const override;

private:
    QAccessibleInterface* m_pParent;
    QPointer<QMenuBar> m_pOwner; // the bar that shows the title
    QPointer<QAction> m_pAction;
};
