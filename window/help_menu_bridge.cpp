// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/help_menu_bridge.h"

#include <QActionEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

CHelpMenuBridge::CHelpMenuBridge(QMenuBar* pMainBar, QMenuBar* pHelpBar)
    : QObject(pMainBar)
    , m_pMainBar(pMainBar)
    , m_pHelpBar(pHelpBar)
{
    for (QMenuBar* pBar : {pMainBar, pHelpBar}) {
        pBar->installEventFilter(this);
        for (QAction* pAction : pBar->actions()) {
            if (pAction->menu() != nullptr)
                pAction->menu()->installEventFilter(this);
        }
    }
}

QAction* CHelpMenuBridge::Neighbour(QAction* pFrom, int nStep) const
{
    const QList<QAction*> main = m_pMainBar->actions();
    QAction* pHelp = m_pHelpBar->actions().value(0);
    if (main.isEmpty() || pHelp == nullptr || pFrom == nullptr)
        return nullptr;
    if (pFrom == pHelp)
        return nStep > 0 ? main.first() : main.last();
    if ((nStep > 0 && pFrom == main.last()) || (nStep < 0 && pFrom == main.first()))
        return pHelp;
    return nullptr; // within the main bar: its own handling
}

void CHelpMenuBridge::HighlightFirst(QMenu* pMenu)
{
    for (QAction* pAction : pMenu->actions()) {
        if (!pAction->isSeparator() && pAction->isEnabled() && pAction->isVisible()) {
            pMenu->setActiveAction(pAction);
            return;
        }
    }
}

void CHelpMenuBridge::OpenHelp()
{
    if (QMenu* pOpen = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        pOpen->hide();
    // A main bar that holds the focus for its keyboard mode gives it back first.
    if (m_pMainBar->hasFocus()) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(m_pMainBar, &escape);
    }
    QAction* pHelp = m_pHelpBar->actions().value(0);
    if (pHelp == nullptr || pHelp->menu() == nullptr)
        return;
    m_pHelpBar->setActiveAction(pHelp);
    HighlightFirst(pHelp->menu());
}

void CHelpMenuBridge::OpenMain(QAction* pAction)
{
    if (QMenu* pOpen = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        pOpen->hide();
    if (pAction == nullptr || pAction->menu() == nullptr)
        return;
    m_pMainBar->setActiveAction(pAction);
    HighlightFirst(pAction->menu());
}

bool CHelpMenuBridge::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::ActionAdded) {
        // Menus added to a bar later are watched too.
        QAction* pAction = static_cast<QActionEvent*>(pEvent)->action();
        if (pAction->menu() != nullptr)
            pAction->menu()->installEventFilter(this);
        return false;
    }
    if (pEvent->type() != QEvent::KeyPress)
        return QObject::eventFilter(pWatched, pEvent);
    const auto* pKey = static_cast<QKeyEvent*>(pEvent);
    const int step = pKey->key() == Qt::Key_Right ? 1 : pKey->key() == Qt::Key_Left ? -1 : 0;
    if (step == 0 || (pKey->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QAction* pFrom = nullptr;
    if (auto* pMenu = qobject_cast<QMenu*>(pWatched)) {
        // Right on an item with a submenu opens that submenu instead.
        QAction* pActive = pMenu->activeAction();
        if (step > 0 && pActive != nullptr && pActive->menu() != nullptr)
            return false;
        pFrom = pMenu->menuAction();
    } else if (auto* pBar = qobject_cast<QMenuBar*>(pWatched)) {
        pFrom = pBar->activeAction();
    }
    QAction* pTo = Neighbour(pFrom, step);
    if (pTo == nullptr)
        return false;
    if (pTo == m_pHelpBar->actions().value(0))
        OpenHelp();
    else
        OpenMain(pTo);
    return true;
}
