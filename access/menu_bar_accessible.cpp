// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/menu_bar_accessible.h"

#include "access/menu_title_accessible.h"
#include "window/main_menu_bar.h"

CMenuBarAccessible::CMenuBarAccessible(CMainMenuBar* pBar)
    : QAccessibleWidget(pBar, QAccessible::MenuBar)
    , m_bar(*pBar)
{ }

CMenuBarAccessible::~CMenuBarAccessible()
{
    for (QAccessible::Id id : m_aItemId)
        QAccessible::deleteAccessibleInterface(id);
}

void CMenuBarAccessible::Update() const
{
    const QList<QAction*> menus = m_bar.AllMenus();
    // Items follow the menus; a list that no longer matches is built again.
    bool bSame = menus.size() >= m_apItem.size();
    for (int i = 0; bSame && i < m_apItem.size(); ++i)
        bSame = static_cast<CMenuTitleAccessible*>(m_apItem[i])->Action() == menus[i];
    if (!bSame) {
        for (QAccessible::Id id : m_aItemId)
            QAccessible::deleteAccessibleInterface(id);
        m_apItem.clear();
        m_aItemId.clear();
    }
    auto* pSelf = const_cast<CMenuBarAccessible*>(this);
    for (int i = static_cast<int>(m_apItem.size()); i < menus.size(); ++i) {
        QMenuBar* pOwner = m_bar.actions().contains(menus[i]) ? const_cast<CMainMenuBar*>(&m_bar)
                                                              : m_bar.CornerBar();
        auto* pItem = new CMenuTitleAccessible(pSelf, pOwner, menus[i]);
        m_apItem.append(pItem);
        m_aItemId.append(QAccessible::registerAccessibleInterface(pItem));
    }
}

QAccessibleInterface* CMenuBarAccessible::child(int nIndex) const
{
    Update();
    return m_apItem.value(nIndex);
}

int CMenuBarAccessible::childCount() const
{
    Update();
    return static_cast<int>(m_apItem.size());
}

int CMenuBarAccessible::indexOfChild(const QAccessibleInterface* pChild) const
{
    Update();
    return static_cast<int>(m_apItem.indexOf(const_cast<QAccessibleInterface*>(pChild)));
}

QAccessibleInterface* CMenuBarAccessible::childAt(int x, int y) const
{
    Update();
    for (QAccessibleInterface* pItem : m_apItem) {
        if (pItem->rect().contains(x, y))
            return pItem;
    }
    return nullptr;
}
