// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// Gives the keyboard focus back to the game's view whenever no menu or dialog holds it, so that
// the note keys work after the menus and dialogs were used by keyboard. A menu bar that leaves
// its keyboard mode with no widget to return the focus to keeps it, refusing the note keys (they
// are its mnemonics); the keeper looks after every focus change, every key a menu bar handled
// and every menu that closed, once the event that caused it is done.
class CViewFocusKeeper : public QObject
{
    Q_OBJECT
public:
    // Watches the menu bars and menus that pWindow holds now.
    CViewFocusKeeper(QWidget* pWindow, QWidget* pView);

    // True when the focus belongs to the view now: the window is active, no popup or modal
    // dialog is open, no menu bar has a title highlighted, and the focus is nowhere or with a
    // menu bar out of its keyboard mode.
    bool ShouldTakeFocus() const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void CheckLater();
    void Check();

    QWidget* m_pWindow;
    QWidget* m_pView;
    bool m_bCheckPending = false;
};
