// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view_focus_keeper.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

CViewFocusKeeper::CViewFocusKeeper(QWidget* pWindow, QWidget* pView)
    : QObject(pView)
    , m_pWindow(pWindow)
    , m_pView(pView)
{
    connect(qApp, &QApplication::focusChanged, this, &CViewFocusKeeper::CheckLater);
    pWindow->installEventFilter(this);
    for (QMenuBar* pBar : pWindow->findChildren<QMenuBar*>())
        pBar->installEventFilter(this);
    for (QMenu* pMenu : pWindow->findChildren<QMenu*>())
        connect(pMenu, &QMenu::aboutToHide, this, &CViewFocusKeeper::CheckLater);
}

bool CViewFocusKeeper::ShouldTakeFocus() const
{
    if (!m_pWindow->isActiveWindow() || !m_pView->isVisible()
        || QApplication::activeModalWidget() != nullptr
        || QApplication::activePopupWidget() != nullptr)
        return false;
    // A menu bar with a highlighted title is in use, whether or not it holds the focus.
    for (const QMenuBar* pBar : m_pWindow->findChildren<QMenuBar*>()) {
        if (pBar->activeAction() != nullptr)
            return false;
    }
    QWidget* pFocus = QApplication::focusWidget();
    if (pFocus == nullptr)
        return true;
    // In its keyboard mode a menu bar takes the focus by policy; out of it, it holds none.
    return qobject_cast<QMenuBar*>(pFocus) != nullptr && pFocus->focusPolicy() == Qt::NoFocus;
}

bool CViewFocusKeeper::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusOut:
    case QEvent::WindowActivate:
        CheckLater();
        break;
    default:
        break;
    }
    return QObject::eventFilter(pWatched, pEvent);
}

void CViewFocusKeeper::CheckLater()
{
    if (m_bCheckPending)
        return;
    m_bCheckPending = true;
    QTimer::singleShot(0, this, &CViewFocusKeeper::Check);
}

void CViewFocusKeeper::Check()
{
    m_bCheckPending = false;
    if (ShouldTakeFocus())
        m_pView->setFocus(Qt::OtherFocusReason);
}
