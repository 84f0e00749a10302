// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"
#include "app/command_script.h"
#include "app/display_guard.h"
#include "app/main_window.h"
#include "app/startup_trace.h"
#include "app/translations.h"
#include "audio/wave_out.h"
#include "cantabell/build_info.h"
#include "window/home_row.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <memory>

// The application object: starts the one main window and runs the event loop.
class CGameApp : public QApplication
{
public:
    CGameApp(int& argc, char** argv)
        : QApplication(argc, argv)
    { }

    bool InitInstance(bool bSing)
    {
        setDesktopFileName(QString::fromLatin1(c_szAppId));
        QIcon icon;
        icon.addFile(QStringLiteral(":/ICON/102-16.png"), QSize(16, 16));
        icon.addFile(QStringLiteral(":/ICON/102-32.png"), QSize(32, 32));
        setWindowIcon(icon);
        CStartupTrace::Install();
        CTranslations::Install(*this);
        CWaveOut::Instance().SetSilenceNotice(
            QCoreApplication::translate("Terminal", "no sound output; the game plays silently")
                .toStdString());
        CHomeRow::ReadLayout();
        m_pMainWindow = std::make_unique<CMainWindow>();
        CStartupTrace::Mark("window");
        m_pMainWindow->show();
        if (bSing)
            m_pMainWindow->StartSinging();
        StartScript();
        return true;
    }

private:
    // Commands at set times, only when CANTABELL_SCRIPT is set (see CCommandScript).
    void StartScript()
    {
        if (!qEnvironmentVariableIsSet("CANTABELL_SCRIPT"))
            return;
        m_pScript = std::make_unique<CCommandScript>(*m_pMainWindow);
        for (const QString& entry : m_pScript->Start(qEnvironmentVariable("CANTABELL_SCRIPT")))
            std::fprintf(stderr, "cantabell: CANTABELL_SCRIPT: skipping \"%s\"\n",
                entry.toLocal8Bit().constData());
    }

    std::unique_ptr<CMainWindow> m_pMainWindow;
    std::unique_ptr<CCommandScript> m_pScript;
};

int main(int argc, char** argv)
{
    CStartupTrace::Mark("main");
    // Before the application object, so that --help and --version need no display; in the
    // player's language, like the display guard's complaint.
    CTranslations::Load();
    CCommandLine commandLine;
    if (commandLine.Parse(CCommandLine::Arguments(argc, argv)) == CCommandLine::EOutcome::Exit)
        return commandLine.Print();
    // Without a display the program says so in one line and ends with status 1.
    CDisplayGuard::Install(argc, argv);
    CGameApp app(argc, argv);
    CDisplayGuard::Started();
    CStartupTrace::Mark("application");
    if (!app.InitInstance(commandLine.IsSing()))
        return 1;
    return CGameApp::exec();
}
