// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <vector>

// The program's command line: the game's own options, --help and --version, and Qt's own
// options (-platform, -style, -display...), which are accepted here and left in argv for
// QApplication. Parsed before the application object exists, so that --help and --version
// work without a display; its texts speak the language CTranslations::Load chose.
class CCommandLine
{
public:
    enum class EOutcome
    {
        Run, // start the game
        Exit // end at once with ExitCode(), after Print()
    };

    CCommandLine();

    // The arguments as main() got them, argv[0] first.
    static QStringList Arguments(int argc, char** argv);

    // Reads the arguments (argv[0] first). Help and version end the program with status 0, an
    // unknown option or a stray argument with status 2.
    EOutcome Parse(const QStringList& astrArgs);

    // Writes what Parse() decided to say (stdout for help and version, stderr for an error)
    // and returns the exit status.
    int Print() const;

    // "Usage: cantabell [options]" and the visible options, as --help prints them.
    QString HelpText() const;
    int ExitCode() const { return m_nExitCode; }
    // --sing: answer by singing into the microphone.
    bool IsSing() const { return m_parser.isSet(m_optSing); }
    const QString& Output() const { return m_strOutput; }
    const QString& Error() const { return m_strError; }

private:
    void AddOption(const QCommandLineOption& option);
    void AddQtOptions();

    QCommandLineParser m_parser;
    std::vector<QCommandLineOption> m_aVisible; // in the order --help lists them
    QCommandLineOption m_optHelp;
    QCommandLineOption m_optVersion;
    QCommandLineOption m_optSing;
    int m_nExitCode = 0;
    QString m_strOutput;
    QString m_strError;
};
