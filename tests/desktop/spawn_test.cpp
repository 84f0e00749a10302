// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/shell_open.h"
#include "desktop/spawn.h"
#include "tests/common/xdg_world.h"

#include <chrono>
#include <gtest/gtest.h>

using Args = std::vector<std::string>;

namespace {

// Hostile addresses that must reach the browser as one untouched argument.
const std::vector<std::string> c_aHostileTargets = {
    "http://h/a;$(id)&b",
    "http://h/a b  c",
    "http://h/\"q\" 'r' \\s `t`",
    "http://h/%1/\"%1\"",
};

class SpawnTest : public ::testing::Test
{
protected:
    CXdgWorld m_world;
};

// One hostile address per case, each with a fresh world.
class HostileTargetTest : public ::testing::TestWithParam<std::string>
{
protected:
    CXdgWorld m_world;
};

} // namespace

TEST_F(SpawnTest, WinExecStartsWithoutAShellAndReportsFailures)
{
    EXPECT_EQ(WinExec({"fakebrowser", "one", "two three", "$(id);x"}), 33);
    EXPECT_EQ(m_world.WaitForBrowserArgs(), (Args {"one", "two three", "$(id);x"}));
    std::remove(m_world.Path("browser.log").c_str());

    m_world.WriteFile("bin/noshebang", "echo hi\n", 0755);
    m_world.WriteFile("bin/notexec", "#!/bin/sh\n", 0644);
    EXPECT_EQ(WinExec({"no-such-program", "x"}), 2);
    EXPECT_EQ(WinExec({}), 2);
    EXPECT_EQ(WinExec({"", "x"}), 2);
    EXPECT_EQ(WinExec({m_world.Path("no-such-dir/prog"), "x"}), 3);
    EXPECT_EQ(WinExec({m_world.Path("bin/notexec")}), 5);
    EXPECT_EQ(WinExec({m_world.Path("bin")}), 5);
    EXPECT_EQ(WinExec({"noshebang"}), 11);
    // A control byte in any argument, the program's own name included.
    EXPECT_EQ(WinExec({"fakebrowser", "a\x01"}), 11);
    EXPECT_EQ(WinExec({"fake\tbrowser"}), 11);
    EXPECT_FALSE(m_world.BrowserRan());
}

TEST_P(HostileTargetTest, TheBrowserGetsTheAddressAsOneArgument)
{
    const std::string& strTarget = GetParam();
    ASSERT_EQ(StartBrowser({"fakebrowser", "--new-tab", "%1", "--trailing"}, strTarget), 33);
    EXPECT_EQ(m_world.WaitForBrowserArgs(), (Args {"--new-tab", strTarget}));
    std::remove(m_world.Path("browser.log").c_str());
    ASSERT_EQ(StartBrowser({"fakebrowser", "--url=%1"}, strTarget), 33);
    EXPECT_EQ(m_world.WaitForBrowserArgs(), (Args {"--url=" + strTarget}));
}

TEST_P(HostileTargetTest, TheDesktopsOpenerGetsTheAddressAsOneArgument)
{
    CShellOpenOptions options;
    options.m_strXdgOpen = "fakebrowser";
    EXPECT_EQ(ShellOpen(GetParam(), options), 42);
    EXPECT_EQ(m_world.WaitForBrowserArgs(), Args {GetParam()});
}

INSTANTIATE_TEST_SUITE_P(Spawn, HostileTargetTest, ::testing::ValuesIn(c_aHostileTargets));

TEST_F(SpawnTest, TheBrowserRefusesAnAddressThatReadsAsAnOption)
{
    EXPECT_EQ(StartBrowser({"fakebrowser", "--new-tab", "%1"}, "-x"), 2);
    EXPECT_EQ(StartBrowser({"fakebrowser", "--url=%1"}, ""), 2);
    EXPECT_EQ(StartBrowser({"fakebrowser"}, "http://h/\x1b[2J"), 11);
    EXPECT_FALSE(m_world.BrowserRan());
}

TEST_F(SpawnTest, ShellOpenMapsTheOpenersExitCode)
{
    m_world.WriteFile("bin/fake-open", "#!/bin/sh\nexit $FAKE_EXIT\n", 0755);
    CShellOpenOptions options;
    options.m_strXdgOpen = "fake-open";
    const std::vector<std::pair<const char*, int>> aCases
        = {{"0", 42}, {"1", 2}, {"2", 2}, {"3", 31}, {"4", 31}, {"5", 5}, {"9", 31}};
    for (const auto& [pszExit, nExpected] : aCases) {
        m_world.SetEnv("FAKE_EXIT", pszExit);
        EXPECT_EQ(ShellOpen("http://example.invalid/", options), nExpected) << pszExit;
    }
    options.m_strXdgOpen = "no-such-opener";
    EXPECT_EQ(ShellOpen("http://example.invalid/", options), 31);
    EXPECT_FALSE(IsShellOpenInProgress());
}

TEST_F(SpawnTest, ShellOpenCountsAStillRunningOpenerAsSuccessAndKeepsPumping)
{
    m_world.WriteFile("bin/slow-open", "#!/bin/sh\nexec sleep 3\n", 0755);
    CShellOpenOptions options;
    options.m_strXdgOpen = "slow-open";
    options.m_nGraceMs = 200;
    int nPumps = 0;
    bool bBusyWhilePumping = false;
    options.m_fnPump = [&] {
        ++nPumps;
        bBusyWhilePumping = IsShellOpenInProgress();
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ShellOpen("http://example.invalid/", options), 42);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_GE(nPumps, 3);
    EXPECT_TRUE(bBusyWhilePumping);
    EXPECT_FALSE(IsShellOpenInProgress());
}

TEST_F(SpawnTest, UnsafeTargetsAreRefusedBeforeAnythingRuns)
{
    CShellOpenOptions options;
    options.m_strXdgOpen = "fakebrowser";
    for (const std::string& strTarget : {std::string(), std::string("-rf"), std::string("--help"),
             std::string("http://h/\x1b[2J"), std::string("http://h/\x7f"),
             std::string("http://h/a\nb"), std::string("http://h/\0x", 11)}) {
        EXPECT_FALSE(IsSafeLinkTarget(strTarget));
        EXPECT_EQ(ShellOpen(strTarget, options), 2);
    }
    EXPECT_FALSE(m_world.BrowserRan());
    // Bytes above 0x7f are UTF-8, not control bytes.
    EXPECT_TRUE(IsSafeLinkTarget("http://h/\xc3\xa9t\xc3\xa9 ~"));
}
