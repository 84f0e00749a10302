// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/main_menu_bar.h"

#include "window/help_menu_bridge.h"

#include <QProxyStyle>

namespace {

// The corner bar's look, without a keyboard mode of its own: Alt alone highlights the main bar
// only, which then reaches the corner menu by the arrow keys.
class CCornerBarStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint eHint, const QStyleOption* pOption, const QWidget* pWidget,
        QStyleHintReturn* pReturn) const override
    {
        if (eHint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(eHint, pOption, pWidget, pReturn);
    }
};

} // namespace

CMainMenuBar::CMainMenuBar(QWidget* pParent)
    : QMenuBar(pParent)
{ }

QMenu* CMainMenuBar::AddCornerMenu(const QString& strTitle)
{
    if (m_pCornerBar != nullptr)
        return m_pCornerBar->actions().value(0)->menu();
    m_pCornerBar = new QMenuBar(this);
    auto* pStyle = new CCornerBarStyle;
    pStyle->setParent(m_pCornerBar);
    m_pCornerBar->setStyle(pStyle);
    QMenu* pMenu = m_pCornerBar->addMenu(strTitle);
    setCornerWidget(m_pCornerBar, Qt::TopRightCorner);
    new CHelpMenuBridge(this, m_pCornerBar);
    return pMenu;
}

QList<QAction*> CMainMenuBar::AllMenus() const
{
    QList<QAction*> menus = actions();
    if (m_pCornerBar != nullptr)
        menus += m_pCornerBar->actions();
    return menus;
}
