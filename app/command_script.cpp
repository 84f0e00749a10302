// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_script.h"

#include "app/command_table.h"
#include "app/main_window.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace {

constexpr int c_nCloseDialog = 0;
constexpr int c_nLongestDelayMs = 24 * 60 * 60 * 1000; // a day

} // namespace

CCommandScript::CCommandScript(CMainWindow& window, QObject* pParent)
    : QObject(pParent)
    , m_window(window)
{ }

int CCommandScript::CommandId(const QString& strName)
{
    if (strName == QLatin1String("close-dialog"))
        return c_nCloseDialog;
    for (std::size_t i = 0; i < c_nCommandCount; ++i) {
        if (strName == QLatin1String(c_aCommand[i].szScriptName))
            return c_aCommand[i].nId;
    }
    return -1;
}

QStringList CCommandScript::Start(const QString& strScript)
{
    QStringList astrBad;
    for (const QString& entry : strScript.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool bNumber = false;
        const int delay = entry.section(QLatin1Char(':'), 0, 0).toInt(&bNumber);
        const int id = CommandId(entry.section(QLatin1Char(':'), 1));
        if (!bNumber || delay < 0 || delay > c_nLongestDelayMs || id < 0
            || entry.count(QLatin1Char(':')) != 1) {
            astrBad << entry;
            continue;
        }
        QTimer::singleShot(delay, this, [this, id] { Run(id); });
    }
    return astrBad;
}

// Dialogs run their own event loops: a command that opens one returns when it closes, and
// the timers of later entries fire inside that loop.
void CCommandScript::Run(int nId)
{
    if (nId != c_nCloseDialog) {
        m_window.OnCommand(nId);
        return;
    }
    if (auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        pDialog->reject();
}
