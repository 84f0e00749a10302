// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

using EOutcome = CCommandLine::EOutcome;

QStringList Args(std::initializer_list<const char*> aszArgs)
{
    QStringList astrArgs {QStringLiteral("cantabell")};
    for (const char* sz : aszArgs)
        astrArgs << QString::fromLatin1(sz);
    return astrArgs;
}

TEST(CommandLineTest, NothingOrQtsOwnOptionsStartTheGame)
{
    for (const QStringList& args : {Args({}), Args({"-platform", "xcb", "-style=fusion"}),
             Args({"--platform", "wayland", "-reverse", "-display", ":3", "-session", "x1"}),
             Args({"-qwindowgeometry", "400x305+0+0", "-stylesheet", "/dev/null"})}) {
        CCommandLine line;
        EXPECT_EQ(line.Parse(args), EOutcome::Run) << args.join(' ').toStdString();
        EXPECT_TRUE(line.Output().isEmpty());
        EXPECT_TRUE(line.Error().isEmpty());
    }
}

TEST(CommandLineTest, HelpListsTheOptionsOnStandardOutput)
{
    for (const char* szHelp : {"--help", "-h"}) {
        CCommandLine line;
        ASSERT_EQ(line.Parse(Args({szHelp})), EOutcome::Exit);
        EXPECT_EQ(line.ExitCode(), 0);
        EXPECT_TRUE(line.Error().isEmpty());
        const QString help = line.Output();
        EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: cantabell [options]\n")));
        EXPECT_TRUE(help.contains(QStringLiteral("\n  -h, --help ")));
        EXPECT_TRUE(help.contains(QStringLiteral("\n  -v, --version ")));
        // Qt's options are accepted but not listed one by one.
        EXPECT_FALSE(help.contains(QStringLiteral("--platformtheme")));
    }
}

TEST(CommandLineTest, VersionIsProgramNameAndNumber)
{
    for (const char* szVersion : {"--version", "-v"}) {
        CCommandLine line;
        ASSERT_EQ(line.Parse(Args({szVersion})), EOutcome::Exit);
        EXPECT_EQ(line.ExitCode(), 0);
        EXPECT_EQ(line.Output(), QStringLiteral("cantabell 1.0\n"));
    }
}

// One line saying what is wrong, then the usage, all on standard error, and status 2.
TEST(CommandLineTest, WrongArgumentsEndWithUsageAndStatusTwo)
{
    const struct
    {
        QStringList astrArgs;
        const char* szFirstLine;
    } aCases[] = {
        {Args({"--bogus"}), "cantabell: Unknown option 'bogus'."},
        {Args({"--help", "-x"}), "cantabell: Unknown option 'x'."},
        {Args({"melody.mid"}), "cantabell: unexpected argument 'melody.mid'."},
        {Args({"-platform"}), "cantabell: Missing value after '-platform'."},
    };
    for (const auto& c : aCases) {
        CCommandLine line;
        ASSERT_EQ(line.Parse(c.astrArgs), EOutcome::Exit) << c.szFirstLine;
        EXPECT_EQ(line.ExitCode(), 2);
        EXPECT_TRUE(line.Output().isEmpty());
        const QStringList lines = line.Error().split(QLatin1Char('\n'));
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines[0], QString::fromLatin1(c.szFirstLine));
        EXPECT_EQ(lines[1], QString());
        EXPECT_EQ(line.Error().mid(lines[0].size() + 2), line.HelpText());
    }
}

} // namespace
