// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "cantabell/build_info.h"

#include <QCommandLineParser>
#include <cstdio>

int CCommandLine::Parse(const QStringList& astrArguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("An ear-training game: hear a melody, play it back."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Show the version and exit."));
    const QCommandLineOption sing(QStringLiteral("sing"),
        QStringLiteral("Answer by singing: the microphone listens while you answer."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(sing);
    QString strUsage = parser.helpText();
    strUsage.replace(QStringLiteral("<executable_name>"), QStringLiteral("cantabell"));
    if (!parser.parse(astrArguments)) {
        std::fprintf(stderr, "cantabell: %s\n%s", parser.errorText().toLocal8Bit().constData(),
            strUsage.toLocal8Bit().constData());
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "cantabell: unexpected argument '%s'\n%s",
            parser.positionalArguments().first().toLocal8Bit().constData(),
            strUsage.toLocal8Bit().constData());
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(strUsage.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("cantabell %s\n", c_szVersion);
        return 0;
    }
    m_bSing = parser.isSet(sing);
    return -1;
}
