// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include "app/translations.h"
#include "cantabell/build_info.h"

#include <algorithm>
#include <cstdio>

namespace {

// Qt's own options that take a value, and those that do not (QGuiApplication, QApplication
// and the xcb platform plugin read them from argv).
const char* const g_aszQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme",
    "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
    "name", "title", "style", "stylesheet", "qmljsdebugger"};
const char* const g_aszQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// "-h, --help" or "--name <value>", as --help shows an option.
QString OptionNames(const QCommandLineOption& option)
{
    QStringList astrNames;
    for (const QString& name : option.names())
        astrNames << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = astrNames.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QStringLiteral(" <") + option.valueName() + QLatin1Char('>');
    return text;
}

// A text of the terminal in the player's language: parsed before the application object
// exists, the command line cannot use QCoreApplication::translate.
QString Text(const char* szSource)
{
    return CTranslations::Translate("Terminal", szSource);
}

// Qt's complaints about the command line come in English, the application object being
// absent: the game's catalogue carries them in the player's language.
const char* const c_aszQtProblems[] = {
    QT_TRANSLATE_NOOP("Terminal", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("Terminal", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("Terminal", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("Terminal", "Unexpected value after '%1'."),
};

QString TranslateQtProblem(const QString& strProblem)
{
    for (const char* szSource : c_aszQtProblems) {
        const QStringList astrAround = QString::fromLatin1(szSource).split(QStringLiteral("%1"));
        const QString& head = astrAround.constFirst();
        const QString& tail = astrAround.constLast();
        if (strProblem.size() > head.size() + tail.size() && strProblem.startsWith(head)
            && strProblem.endsWith(tail))
            return Text(szSource).arg(
                strProblem.mid(head.size(), strProblem.size() - head.size() - tail.size()));
    }
    return strProblem;
}

void Write(std::FILE* pStream, const QString& strText)
{
    const QByteArray bytes = strText.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), pStream);
    std::fflush(pStream);
}

} // namespace

CCommandLine::CCommandLine()
    : m_optHelp({QStringLiteral("h"), QStringLiteral("help")},
        Text(QT_TRANSLATE_NOOP("Terminal", "Show this help and exit.")))
    , m_optVersion({QStringLiteral("v"), QStringLiteral("version")},
          Text(QT_TRANSLATE_NOOP("Terminal", "Show the version and exit.")))
    , m_optSing(QStringLiteral("sing"),
          Text(QT_TRANSLATE_NOOP(
              "Terminal", "Answer by singing: the microphone listens while you answer.")))
{
    // Qt's options are single-dash words (-platform xcb); the game's take one or two dashes.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);

    // The game's own options, in the order --help lists them: add new ones here, with a
    // getter, and describe them in packaging/cantabell.6 as well.
    AddOption(m_optHelp);
    AddOption(m_optVersion);
    AddOption(m_optSing);

    AddQtOptions();
}

QStringList CCommandLine::Arguments(int argc, char** argv)
{
    QStringList astrArgs;
    for (int i = 0; i < argc; ++i)
        astrArgs << QString::fromLocal8Bit(argv[i]);
    return astrArgs;
}

void CCommandLine::AddOption(const QCommandLineOption& option)
{
    m_parser.addOption(option);
    m_aVisible.push_back(option);
}

void CCommandLine::AddQtOptions()
{
    for (const char* szName : g_aszQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(szName));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    for (const char* szName : g_aszQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(szName));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
}

CCommandLine::EOutcome CCommandLine::Parse(const QStringList& astrArgs)
{
    m_strOutput.clear();
    m_strError.clear();
    m_nExitCode = 0;
    QString problem;
    if (!m_parser.parse(astrArgs))
        problem = TranslateQtProblem(m_parser.errorText());
    else if (!m_parser.positionalArguments().isEmpty())
        problem = Text(QT_TRANSLATE_NOOP("Terminal", "unexpected argument '%1'."))
                      .arg(m_parser.positionalArguments().constFirst());
    if (!problem.isEmpty()) {
        m_strError = QStringLiteral("cantabell: ") + problem + QStringLiteral("\n\n") + HelpText();
        m_nExitCode = 2;
        return EOutcome::Exit;
    }
    if (m_parser.isSet(m_optHelp)) {
        m_strOutput = HelpText();
        return EOutcome::Exit;
    }
    if (m_parser.isSet(m_optVersion)) {
        m_strOutput
            = QStringLiteral("cantabell ") + QString::fromLatin1(c_szVersion) + QLatin1Char('\n');
        return EOutcome::Exit;
    }
    return EOutcome::Run;
}

int CCommandLine::Print() const
{
    if (!m_strOutput.isEmpty())
        Write(stdout, m_strOutput);
    if (!m_strError.isEmpty())
        Write(stderr, m_strError);
    return m_nExitCode;
}

QString CCommandLine::HelpText() const
{
    qsizetype width = 0;
    for (const QCommandLineOption& option : m_aVisible)
        width = std::max(width, OptionNames(option).size());
    //: The program's name, cantabell, stays as it is.
    QString text = Text(QT_TRANSLATE_NOOP("Terminal", "Usage: cantabell [options]"))
        + QLatin1Char('\n')
        + Text(QT_TRANSLATE_NOOP("Terminal",
            "Ear-training game: listen to a short melody and play it back on a little keyboard."))
        + QStringLiteral("\n\n") + Text(QT_TRANSLATE_NOOP("Terminal", "Options:"))
        + QLatin1Char('\n');
    for (const QCommandLineOption& option : m_aVisible)
        text += QStringLiteral("  ") + OptionNames(option).leftJustified(width + 2)
            + option.description() + QLatin1Char('\n');
    text += QLatin1Char('\n')
        + Text(QT_TRANSLATE_NOOP("Terminal",
            "Qt's own options are accepted as well, such as -platform wayland or -style fusion."))
        + QLatin1Char('\n');
    return text;
}
