// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/exec_line.h"

#include <gtest/gtest.h>

using Args = std::vector<std::string>;

namespace {

Args Split(const std::string& str)
{
    Args aArgs;
    EXPECT_TRUE(SplitExec(str, aArgs)) << str;
    return aArgs;
}

} // namespace

TEST(ExecLine, SplitsOnUnquotedWhitespaceAndHonoursQuotes)
{
    EXPECT_EQ(Split("fakebrowser --new-tab %u"), (Args {"fakebrowser", "--new-tab", "%u"}));
    EXPECT_EQ(Split("  a\t\tb \n c  "), (Args {"a", "b", "c"}));
    EXPECT_EQ(Split("\"/opt/My App/run\" \"\" x"), (Args {"/opt/My App/run", "", "x"}));
    EXPECT_EQ(Split(R"("a \"b\" \`c\` \$d \\e \x")"), (Args {R"(a "b" `c` $d \e \x)"}));
    // Shell syntax outside quotes is plain text: there is no shell to act on it.
    EXPECT_EQ(Split("run a;b $(id) |c"), (Args {"run", "a;b", "$(id)", "|c"}));
    EXPECT_TRUE(Split("").empty());
}

TEST(ExecLine, RejectsUnterminatedQuotesAndControlBytes)
{
    Args aArgs {"left over"};
    EXPECT_FALSE(SplitExec("run \"open", aArgs));
    EXPECT_FALSE(SplitExec(std::string("run a\x01", 6), aArgs));
    EXPECT_FALSE(SplitExec("run \"a\x7f\"", aArgs));
    EXPECT_FALSE(SplitExec(std::string("run \0x", 6), aArgs));
    // An escaped NUL inside quotes is still a control byte.
    EXPECT_FALSE(SplitExec(std::string("run \"a\\\0\"", 9), aArgs));
}

TEST(ExecLine, QuotedArgumentsReadBackUnchanged)
{
    for (const std::string& str : {std::string("plain"), std::string(""), std::string("a b"),
             std::string("http://h/a;$(id)&b"), std::string(R"(q"uo`te$s\)"),
             std::string("tab\there"), std::string("it's <x> #y"), std::string("\\")}) {
        const std::string strQuoted = QuoteExecArg(str);
        EXPECT_EQ(Split("prog " + strQuoted + " end"), (Args {"prog", str, "end"})) << strQuoted;
    }
    EXPECT_EQ(QuoteExecArg("--new-tab"), "--new-tab");
}

TEST(ExecLine, UnescapesDesktopStringsBeforeQuoting)
{
    EXPECT_EQ(UnescapeDesktopValue(R"(a\sb\tc\nd\re\\f\"g\)"), "a b\tc\nd\re\\f\\\"g\\");
    // A doubled backslash in the file is one backslash escape for the quoting layer.
    EXPECT_EQ(Split(UnescapeDesktopValue(R"("x\\\\y \\$z")")), (Args {R"(x\y $z)"}));
}

TEST(ExecLine, FindsTheQuotedPlaceholderBeforeTheBareOne)
{
    EXPECT_EQ(FindPlaceholder("b %1 \"%1\""), 5u);
    EXPECT_EQ(FindPlaceholder("b --x %1"), 6u);
    EXPECT_EQ(FindPlaceholder("b --x"), std::string::npos);
}

TEST(ExecLine, ControlBytesAreTheC0RangeAndDelete)
{
    EXPECT_FALSE(HasControlByte(""));
    EXPECT_FALSE(HasControlByte(" ~"));
    // UTF-8 bytes are above 0x7f and must pass however char is signed.
    EXPECT_FALSE(HasControlByte("\xc3\xa9\xe2\x82\xac\xff"));
    for (const std::string& str :
        {std::string("a\x1f"), std::string("\x7f"), std::string("\t"), std::string("a\0b", 3)})
        EXPECT_TRUE(HasControlByte(str)) << static_cast<int>(str.back());
}

TEST(ExecLine, TheAddressTakesThePlaceholdersPlaceAsOneArgument)
{
    const std::string strTarget = "http://h/a b\"c\" %1 -x";
    EXPECT_EQ(BrowserArgs({"b", "--new-tab", "%1", "--trailing"}, strTarget),
        (Args {"b", "--new-tab", strTarget}));
    EXPECT_EQ(BrowserArgs({"b", "--url=%1"}, strTarget), (Args {"b", "--url=" + strTarget}));
    EXPECT_EQ(BrowserArgs({"b", "--flag"}, strTarget), (Args {"b", "--flag", strTarget}));
}

TEST(ExecLine, OpenCommandsAsTextQuoteArgumentsButNotThePlaceholder)
{
    EXPECT_EQ(JoinOpenCommand({"b", "--new-tab", "%1"}), "b --new-tab \"%1\"");
    EXPECT_EQ(JoinOpenCommand({"/opt/a b/run", "--url=%1"}), "\"/opt/a b/run\" --url=\"%1\"");
    EXPECT_EQ(JoinOpenCommand({"b", "$HOME"}), "b \"\\$HOME\"");
    // The text form splits back to the same arguments, the placeholder unquoted.
    const Args aArgs {"/opt/a b/run", "it's", "", "x\\y", "%1"};
    EXPECT_EQ(Split(JoinOpenCommand(aArgs)), aArgs);
}
