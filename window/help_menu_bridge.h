// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

// Help stands alone in a bar of its own at the right end of the menu bar. For the keyboard the
// two bars are one: Left and Right move between Options and Help, and wrap between Help and
// Game, whether a menu is open or only the bar is highlighted.
class CHelpMenuBridge : public QObject
{
    Q_OBJECT
public:
    CHelpMenuBridge(QMenuBar* pMainBar, QMenuBar* pHelpBar);

    // Opens the Help menu, or a menu of the main bar, with its first item highlighted.
    void OpenHelp();
    void OpenMain(QAction* pAction);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // The menu to go to from pFrom with Left (nStep -1) or Right (+1), or nullptr to stay.
    QAction* Neighbour(QAction* pFrom, int nStep) const;
    static void HighlightFirst(QMenu* pMenu);

    QMenuBar* m_pMainBar;
    QMenuBar* m_pHelpBar;
};
