#include "platform/shell_open.h"
#include "platform/spawn.h"
#include "tests/platform/xdg_world.h"

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

} // namespace

TEST_F(SpawnTest, WinExecStartsWithoutAShellAndReportsFailures)
{
    EXPECT_EQ(WinExec("fakebrowser one \"two three\" $(id);x", 5), 33);
    EXPECT_EQ(m_world.WaitForBrowserArgs(), (Args {"one", "two three", "$(id);x"}));

    m_world.WriteFile("bin/noshebang", "echo hi\n", 0755);
    m_world.WriteFile("bin/notexec", "#!/bin/sh\n", 0644);
    EXPECT_EQ(WinExec("no-such-program x", 5), 2);
    EXPECT_EQ(WinExec("   ", 5), 2);
    EXPECT_EQ(WinExec(m_world.Path("no-such-dir/prog") + " x", 5), 3);
    EXPECT_EQ(WinExec(m_world.Path("bin/notexec"), 5), 5);
    EXPECT_EQ(WinExec(m_world.Path("bin"), 5), 5);
    EXPECT_EQ(WinExec("noshebang", 5), 11);
    EXPECT_EQ(WinExec("fakebrowser \"unterminated", 5), 11);
    EXPECT_EQ(WinExec("fakebrowser a\x01", 5), 11);
}

TEST_F(SpawnTest, TheAddressAfterARememberedPrefixStaysOneArgument)
{
    RememberCommandPrefix("fakebrowser --new-tab \"%1\" --trailing");
    RememberCommandPrefix("fakebrowser --url=\"%1\"");
    for (const std::string& strTarget : c_aHostileTargets) {
        std::remove(m_world.Path("browser.log").c_str());
        ASSERT_EQ(WinExec("fakebrowser --new-tab  " + strTarget, 5), 33);
        EXPECT_EQ(m_world.WaitForBrowserArgs(), (Args {"--new-tab", strTarget}));
        std::remove(m_world.Path("browser.log").c_str());
        ASSERT_EQ(WinExec("fakebrowser --url= " + strTarget, 5), 33);
        EXPECT_EQ(m_world.WaitForBrowserArgs(), (Args {"--url=" + strTarget}));
    }
    std::remove(m_world.Path("browser.log").c_str());
    EXPECT_EQ(WinExec("fakebrowser --new-tab  -x", 5), 2);
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
        EXPECT_EQ(ShellOpen("http://example.invalid/", 5, options), nExpected) << pszExit;
    }
    options.m_strXdgOpen = "no-such-opener";
    EXPECT_EQ(ShellOpen("http://example.invalid/", 5, options), 31);
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
    EXPECT_EQ(ShellOpen("http://example.invalid/", 5, options), 42);
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
        EXPECT_EQ(ShellOpen(strTarget, 5, options), 2);
    }
    EXPECT_FALSE(m_world.BrowserRan());
    for (const std::string& strTarget : c_aHostileTargets) {
        std::remove(m_world.Path("browser.log").c_str());
        EXPECT_EQ(ShellOpen(strTarget, 5, options), 42);
        EXPECT_EQ(m_world.WaitForBrowserArgs(), Args {strTarget});
    }
}
