// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/note_input.h"

#include <QObject>
#include <vector>

class QKeyEvent;
class QWidget;

// Plays the eight keys from the computer keyboard: the home row (A S D F G H J K on a US
// keyboard, whatever the layout prints there) and 1 .. 8 stand for the keys E .. E' from left
// to right. A press is a left click on the key, Shift + press a right click.
// Installed as an event filter on the main window, it sees the key events that the focused
// child left unused, so menus in keyboard mode, dialogs and shortcuts keep theirs.
class CNoteKeys : public QObject
{
    Q_OBJECT
public:
    CNoteKeys(CMelodyGame& game, QWidget* pWindow);

    // The key (0..7) that a key event stands for, or -1: by the physical key where the event
    // has a scan code (X11, Wayland), else by the letter or digit.
    static int NoteOf(const QKeyEvent& event);
    // Lets go of every held key, as if all were released (focus lost, a dialog opened).
    void ReleaseAll();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool OnKeyPress(QKeyEvent& event);
    bool OnKeyRelease(QKeyEvent& event);
    bool MayPlay() const;
    static int Identity(const QKeyEvent& event);

    CNoteInput m_input;
    QWidget* m_pWindow;
    // Keys down that entered a note, by scan code (or minus the Qt key where there is none).
    std::vector<int> m_aHeld;
    int m_nShown = -1; // identity of the held key the picture shows red, or -1
};
