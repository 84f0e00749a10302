// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class CMainWindow;

// Runs the game's own commands at set times, for demonstrations and for running the program
// where no input can be sent (a headless compositor). Read from CANTABELL_SCRIPT only when that
// variable is set: space-separated entries "<ms>:<command>", the time counted from the window's
// first showing, e.g. "3000:hear-again 5000:about 8000:close-dialog 9000:exit". Commands are
// the menu's: new-game, exit, hear-again, new-melody, delete-notes, settings, tutorial, about,
// and close-dialog (cancels the dialog that is open). A bad entry is reported on stderr and
// skipped.
class CCommandScript : public QObject
{
    Q_OBJECT
public:
    CCommandScript(CMainWindow& window, QObject* pParent = nullptr);

    // Schedules the entries of strScript; returns the ones that were not understood.
    QStringList Start(const QString& strScript);

    // The command id for a name, 0 for close-dialog, -1 for an unknown name.
    static int CommandId(const QString& strName);

private:
    void Run(int nId);

    CMainWindow& m_window;
};
