// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QList>

class CMainMenuBar;

// The menu bar as a screen reader sees it: one item per menu, the corner menu included, each
// item parent of its menu.
class CMenuBarAccessible : public QAccessibleWidget
{
public:
    explicit CMenuBarAccessible(CMainMenuBar* pBar);
    ~CMenuBarAccessible() override;

    QAccessibleInterface* child(int nIndex) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* pChild) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    // Builds the items for menus added since the last call.
    void Update() const;

    const CMainMenuBar& m_bar;
    mutable QList<QAccessibleInterface*> m_apItem;
    mutable QList<QAccessible::Id> m_aItemId;
};
