// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/exec_line.h"
#include "desktop/file_types.h"
#include "tests/common/xdg_world.h"

#include <gtest/gtest.h>

using Args = std::vector<std::string>;

namespace {

// A world with three usable browsers (a, b, c) and some broken entries.
class FileTypesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* pszId : {"a.desktop", "b.desktop", "c.desktop"})
            m_world.AddEntry(pszId, "fakebrowser %u");
        m_world.AddEntry("hidden.desktop", "fakebrowser %u", "Hidden=true\n");
        m_world.AddEntry("tryexec.desktop", "fakebrowser %u", "TryExec=no-such-program\n");
        m_world.AddEntry("missing.desktop", "no-such-program %u");
        m_world.AddEntry("bad.desktop", "fakebrowser %u %u");
    }

    std::string DefaultHtml() const
    {
        return DefaultDesktopIdFor("text/html", CXdgEnv::FromProcess());
    }

    Args OpenArgs(const std::string& strExec, const std::string& strIcon = "")
    {
        Args aArgs {"<unset>"};
        if (!ExecToOpenArgs(strExec, "Fake \"Browser\"", strIcon, "/d/x.desktop", aArgs))
            return {"<invalid>"};
        return aArgs;
    }

    // The open command as the key view shows it.
    std::string Command(const std::string& strExec, const std::string& strIcon = "")
    {
        const Args aArgs = OpenArgs(strExec, strIcon);
        return aArgs == Args {"<invalid>"} ? "<invalid>" : JoinOpenCommand(aArgs);
    }

    CXdgWorld m_world;
};

} // namespace

TEST_F(FileTypesTest, FollowsTheListOrderAndSkipsUnusableEntries)
{
    EXPECT_EQ(DefaultHtml(), "");
    m_world.WriteFile(
        "sysdata/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=c.desktop;\n");
    EXPECT_EQ(DefaultHtml(), "c.desktop");
    m_world.WriteFile(
        "data/applications/defaults.list", "[Default Applications]\ntext/html=b.desktop\n");
    EXPECT_EQ(DefaultHtml(), "b.desktop");
    m_world.WriteFile("etcxdg/mimeapps.list", "[Default Applications]\ntext/html=a.desktop\n");
    EXPECT_EQ(DefaultHtml(), "a.desktop");
    m_world.WriteFile("config/mimeapps.list",
        "[Default Applications]\ntext/html=hidden.desktop;tryexec.desktop;missing.desktop;"
        "bad.desktop;gone.desktop;c.desktop\n");
    EXPECT_EQ(DefaultHtml(), "c.desktop");
    // The desktop's own list comes before the plain one of the same folder.
    m_world.WriteFile(
        "config/x-generic-mimeapps.list", "[Default Applications]\ntext/html=b.desktop\n");
    EXPECT_EQ(DefaultHtml(), "b.desktop");
}

TEST_F(FileTypesTest, RemovedAssociationsHideLowerDefaults)
{
    m_world.WriteFile("config/mimeapps.list",
        "[Removed Associations]\ntext/html=a.desktop;\n[Added "
        "Associations]\ntext/html=b.desktop;\n");
    m_world.WriteFile("etcxdg/mimeapps.list", "[Default Applications]\ntext/html=a.desktop\n");
    m_world.WriteFile(
        "sysdata/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=a.desktop;c.desktop\n");
    EXPECT_EQ(DefaultHtml(), "b.desktop");
    m_world.WriteFile("config/mimeapps.list", "[Removed Associations]\ntext/html=a.desktop;\n");
    EXPECT_EQ(DefaultHtml(), "c.desktop");
}

TEST_F(FileTypesTest, IdsWithDashesMayLiveInSubfolders)
{
    m_world.WriteFile("sysdata/applications/vendor/web-browser.desktop",
        "[Desktop Entry]\nType=Application\nName=Vendor\nExec=fakebrowser %U\n");
    m_world.SetDefaultBrowser("vendor-web-browser.desktop");
    EXPECT_EQ(DefaultHtml(), "vendor-web-browser.desktop");
}

TEST_F(FileTypesTest, KeysGiveTheIdTheNameAndTheOpenCommand)
{
    const CXdgEnv env = CXdgEnv::FromProcess();
    std::string strValue = "untouched";
    EXPECT_EQ(QueryClassesRoot(".htm", strValue, env), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(QueryClassesRoot("a.desktop\\shell\\open\\command", strValue, env), ERROR_SUCCESS);
    EXPECT_EQ(strValue, "fakebrowser \"%1\"");
    strValue = "untouched";
    for (const char* pszKey : {"gone.desktop\\shell\\open\\command",
             "missing.desktop\\shell\\open\\command", "a.desktop\\shell\\edit\\command", ""})
        EXPECT_EQ(QueryClassesRoot(pszKey, strValue, env), ERROR_FILE_NOT_FOUND) << pszKey;
    EXPECT_EQ(strValue, "untouched");

    // Only http has a handler: it answers for .htm too. Keys ignore case.
    m_world.WriteFile(
        "config/mimeapps.list", "[Default Applications]\nx-scheme-handler/http=b.desktop\n");
    EXPECT_EQ(QueryClassesRoot(".HTM", strValue, env), ERROR_SUCCESS);
    EXPECT_EQ(strValue, "b.desktop");
    EXPECT_EQ(QueryClassesRoot("b.desktop\\Shell\\Open\\Command", strValue, env), ERROR_SUCCESS);
    EXPECT_EQ(QueryClassesRoot("b.desktop", strValue, env), ERROR_SUCCESS);
    EXPECT_EQ(strValue, "Fake Browser");
}

TEST_F(FileTypesTest, TerminalEntriesRunInATerminal)
{
    m_world.AddEntry("t.desktop", "fakebrowser %u", "Terminal=true\n");
    std::string strValue;
    EXPECT_EQ(QueryClassesRoot("t.desktop\\shell\\open\\command", strValue, CXdgEnv::FromProcess()),
        ERROR_SUCCESS);
    EXPECT_EQ(strValue, "x-terminal-emulator -e fakebrowser \"%1\"");
    Args aArgs;
    ASSERT_TRUE(OpenCommandFor("t.desktop", CXdgEnv::FromProcess(), aArgs));
    EXPECT_EQ(aArgs, (Args {"x-terminal-emulator", "-e", "fakebrowser", "%1"}));
    EXPECT_FALSE(OpenCommandFor("missing.desktop", CXdgEnv::FromProcess(), aArgs));
    EXPECT_EQ(aArgs.size(), 4u);
}

TEST_F(FileTypesTest, FieldCodesBecomeThePlaceholderOrAreExpanded)
{
    EXPECT_EQ(Command("fakebrowser --new-tab %u"), "fakebrowser --new-tab \"%1\"");
    EXPECT_EQ(Command("fakebrowser %F"), "fakebrowser \"%1\"");
    EXPECT_EQ(Command("fakebrowser"), "fakebrowser");
    EXPECT_EQ(Command("fakebrowser --url=%u"), "fakebrowser --url=\"%1\"");
    EXPECT_EQ(Command("fakebrowser %i %c %k 100%% %d %D %n %N %v %m %f", "web"),
        R"(fakebrowser --icon web "Fake \"Browser\"" /d/x.desktop 100% "%1")");
    EXPECT_EQ(Command("fakebrowser %i %u"), "fakebrowser \"%1\"");
    EXPECT_EQ(Command(R"("/opt/a b/run" "--title=\\$HOME" %u)"),
        R"("/opt/a b/run" "--title=\$HOME" "%1")");
    // As argv: no quoting left, the placeholder where the address goes.
    EXPECT_EQ(OpenArgs(R"("/opt/a b/run" "--title=\\$HOME" --url=%u)"),
        (Args {"/opt/a b/run", "--title=$HOME", "--url=%1"}));
    EXPECT_EQ(OpenArgs("fakebrowser %i %c", "my icon"),
        (Args {"fakebrowser", "--icon", "my icon", "Fake \"Browser\""}));
}

TEST_F(FileTypesTest, MalformedExecLinesMakeTheEntryUnusable)
{
    for (const char* pszExec : {"fakebrowser %u %f", "fakebrowser x%U", "fakebrowser %u.html",
             "fakebrowser %z", "fakebrowser 50%", "fakebrowser %1", "fakebrowser 10%%1",
             "fakebrowser \"open", "%u", "fakebrowser%u", "", "   "})
        EXPECT_EQ(Command(pszExec), "<invalid>") << pszExec;
    // An icon holding %1 would be read as a second place for the address.
    EXPECT_EQ(Command("fakebrowser %i %u", "a%1"), "<invalid>");
}
