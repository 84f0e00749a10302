#include "app/command_script.h"

#include "app/main_window.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace {

constexpr int c_nCloseDialog = 0;
constexpr int c_nLongestDelayMs = 24 * 60 * 60 * 1000; // a day

struct SCommandName
{
    const char* szName;
    int nId;
};

constexpr SCommandName c_aCommand[] = {
    {"new-game", CMainWindow::ID_GAME_NEW},
    {"exit", CMainWindow::ID_EXIT},
    {"hear-again", CMainWindow::ID_HEAR_AGAIN},
    {"new-melody", CMainWindow::ID_NEW_MELODY},
    {"delete-notes", CMainWindow::ID_DELETE_NOTES},
    {"settings", CMainWindow::ID_SETTINGS},
    {"tutorial", CMainWindow::ID_TUTORIAL},
    {"about", CMainWindow::ID_ABOUT},
    {"close-dialog", c_nCloseDialog},
};

} // namespace

CCommandScript::CCommandScript(CMainWindow& window, QObject* pParent)
    : QObject(pParent)
    , m_window(window)
{ }

int CCommandScript::CommandId(const QString& strName)
{
    for (const SCommandName& command : c_aCommand) {
        if (strName == QLatin1String(command.szName))
            return command.nId;
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
