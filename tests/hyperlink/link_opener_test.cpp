// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/exec_line.h"
#include "hyperlink/link_opener.h"
#include "tests/common/xdg_world.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using Args = std::vector<std::string>;

namespace {

const char* const c_pszUrl = "http://example.invalid/page";

// Records the boxes ShowOpenError would show, instead of blocking on them.
class CBoxRecorder
{
public:
    CBoxRecorder()
    {
        m_fnPrevious
            = SetOpenErrorPresenter([this](const QString& strTitle, const QString& strText) {
                  m_aTitles.push_back(strTitle);
                  m_aTexts.push_back(strText);
              });
    }
    ~CBoxRecorder() { SetOpenErrorPresenter(m_fnPrevious); }
    CBoxRecorder(const CBoxRecorder&) = delete;
    CBoxRecorder& operator=(const CBoxRecorder&) = delete;

    QStringList m_aTitles;
    QStringList m_aTexts;

private:
    OpenErrorPresenter m_fnPrevious;
};

class LinkOpenerTest : public ::testing::Test
{
protected:
    void InstallBrowser(const std::string& strExec)
    {
        m_world.AddEntry("test-fakebrowser.desktop", strExec);
        m_world.SetDefaultBrowser("test-fakebrowser.desktop");
    }

    CXdgWorld m_world;
};

} // namespace

TEST_F(LinkOpenerTest, TheShellOpensTheAddressWhenItCan)
{
    InstallBrowser("fakebrowser --new-tab %u");
    m_world.SetEnv("BROWSER", "fakebrowser");
    EXPECT_GT(OpenLink(c_pszUrl, 5), 32);
    // The fallback would have passed --new-tab.
    EXPECT_EQ(m_world.WaitForBrowserArgs(), Args {c_pszUrl});
}

TEST_F(LinkOpenerTest, TheRegisteredBrowserRunsWhenTheShellFailsOrIsMissing)
{
    InstallBrowser("fakebrowser --new-tab %u");
    EXPECT_EQ(OpenLink(c_pszUrl, 5), 33);
    EXPECT_EQ(m_world.WaitForBrowserArgs(), (Args {"--new-tab", c_pszUrl}));

    std::remove(m_world.Path("browser.log").c_str());
    m_world.SetEnv("PATH", m_world.Path("bin"));
    EXPECT_EQ(OpenLink(c_pszUrl, 5), 33);
    EXPECT_EQ(m_world.WaitForBrowserArgs(), (Args {"--new-tab", c_pszUrl}));
}

TEST_F(LinkOpenerTest, OpenCommandsWithoutOrWithAGluedPlaceholder)
{
    InstallBrowser("fakebrowser --flag");
    EXPECT_EQ(OpenLink(c_pszUrl, 5), 33);
    EXPECT_EQ(m_world.WaitForBrowserArgs(), (Args {"--flag", c_pszUrl}));

    std::remove(m_world.Path("browser.log").c_str());
    InstallBrowser("fakebrowser --url=%u");
    EXPECT_EQ(OpenLink(c_pszUrl, 5), 33);
    EXPECT_EQ(m_world.WaitForBrowserArgs(), Args {std::string("--url=") + c_pszUrl});
}

TEST_F(LinkOpenerTest, WithoutABrowserTheShellsCodeAndMessageComeBack)
{
    EXPECT_EQ(OpenLink(c_pszUrl, 5), 31);
    // An entry whose program is gone counts as no browser as well.
    InstallBrowser("no-such-browser %u");
    EXPECT_EQ(OpenLink(c_pszUrl, 5), 31);
    EXPECT_EQ(OpenErrorText(31),
        "Can't open link:\n\nThere is no application associated\nwith the given filename "
        "extension.");
    EXPECT_FALSE(m_world.BrowserRan());
}

// Parameters: whether the desktop's opener succeeds (else the fallback runs), and an address.
class HostileAddressTest : public LinkOpenerTest,
                           public ::testing::WithParamInterface<std::tuple<bool, std::string>>
{
};

TEST_P(HostileAddressTest, ArrivesAsOneUntouchedArgument)
{
    const auto& [bShell, strTarget] = GetParam();
    InstallBrowser("fakebrowser --new-tab %u");
    m_world.SetEnv("BROWSER", bShell ? "fakebrowser" : "false");
    EXPECT_GT(OpenLink(strTarget.c_str(), 5), 32);
    const Args aExpected = bShell ? Args {strTarget} : Args {"--new-tab", strTarget};
    EXPECT_EQ(m_world.WaitForBrowserArgs(), aExpected);
}

INSTANTIATE_TEST_SUITE_P(LinkOpener, HostileAddressTest,
    ::testing::Combine(::testing::Bool(),
        ::testing::Values(
            "http://h/a;$(id)&b", "http://h/a b", "http://h/\"x\" 'y' `z` \\", "http://h/%1")));

TEST_F(LinkOpenerTest, UnsafeAddressesStartNothing)
{
    InstallBrowser("fakebrowser --new-tab %u");
    m_world.SetEnv("BROWSER", "fakebrowser");
    for (const char* pszTarget : {"", "-x", "--new-window", "http://h/\x1b]0;x\a", "http://h/\t"})
        EXPECT_EQ(OpenLink(pszTarget, 5), 2) << pszTarget;
    EXPECT_EQ(OpenLink(nullptr, 5), 2);
    EXPECT_FALSE(m_world.BrowserRan());
}

TEST(LinkOpener, TheAddressReplacesThePlaceholderAndAllAfterIt)
{
    EXPECT_EQ(BuildBrowserCommand("fakebrowser --new-tab \"%1\" --x", c_pszUrl),
        std::string("fakebrowser --new-tab  ") + c_pszUrl);
    EXPECT_EQ(BuildBrowserCommand("fakebrowser -a %1 -b \"%1\"", "U"), "fakebrowser -a %1 -b  U");
    EXPECT_EQ(BuildBrowserCommand("fakebrowser -a %1 -b", "U"), "fakebrowser -a  U");
    EXPECT_EQ(BuildBrowserCommand("fakebrowser -a", "U"), "fakebrowser -a U");
    // No fixed-size buffer: a long command keeps every byte.
    const std::string strLong(2000, 'x');
    EXPECT_EQ(BuildBrowserCommand(strLong + " \"%1\"", strLong), strLong + "  " + strLong);
}

TEST_F(LinkOpenerTest, TheCommandTextCutsToTheArgvTheBrowserGets)
{
    // For addresses without spaces or quotes, the key's text form cut as text splits to the
    // very argv that the fallback starts. (A glued placeholder, --url=%u, is what the text
    // cannot tell: cut as text the address would become an argument of its own.)
    m_world.WriteFile("bin/fake browser", "#!/bin/sh\n", 0755);
    for (const char* pszExec :
        {"fakebrowser --new-tab %u --x", "fakebrowser --flag", "\"fake browser\" %f"}) {
        m_world.AddEntry("c.desktop", pszExec);
        Args aOpenArgs;
        std::string strCommand;
        ASSERT_TRUE(OpenCommandFor("c.desktop", CXdgEnv::FromProcess(), aOpenArgs)) << pszExec;
        ASSERT_EQ(
            ReadDefaultValue(HKEY_CLASSES_ROOT, "c.desktop\\shell\\open\\command", strCommand),
            ERROR_SUCCESS);
        Args aSplit;
        ASSERT_TRUE(SplitExec(BuildBrowserCommand(strCommand, c_pszUrl), aSplit)) << strCommand;
        EXPECT_EQ(aSplit, BrowserArgs(aOpenArgs, c_pszUrl)) << pszExec;
    }
}

TEST_F(LinkOpenerTest, ReadDefaultValueMayReadIntoItsOwnKey)
{
    InstallBrowser("fakebrowser " + std::string(600, 'a') + " %u");
    std::string strBuffer = ".htm";
    ASSERT_EQ(ReadDefaultValue(HKEY_CLASSES_ROOT, strBuffer, strBuffer), ERROR_SUCCESS);
    EXPECT_EQ(strBuffer, "test-fakebrowser.desktop");
    strBuffer += "\\shell\\open\\command";
    ASSERT_EQ(ReadDefaultValue(HKEY_CLASSES_ROOT, strBuffer, strBuffer), ERROR_SUCCESS);
    EXPECT_EQ(strBuffer, "fakebrowser " + std::string(600, 'a') + " \"%1\"");
    EXPECT_EQ(ReadDefaultValue(static_cast<HKEY>(2), ".htm", strBuffer), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadDefaultValue(HKEY_CLASSES_ROOT, ".txt", strBuffer), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(strBuffer, "fakebrowser " + std::string(600, 'a') + " \"%1\"");
}

TEST(OpenError, EveryCodeHasItsText)
{
    const std::vector<std::pair<int, const char*>> aTexts = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30,
            "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
            "being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {-1, "Unknown Error (-1) occurred."},
        {33, "Unknown Error (33) occurred."},
    };
    CBoxRecorder recorder;
    for (const auto& [nCode, pszText] : aTexts) {
        ShowOpenError(nCode);
        EXPECT_EQ(recorder.m_aTexts.back(), QString("Can't open link:\n\n") + pszText) << nCode;
        EXPECT_EQ(recorder.m_aTitles.back(), QCoreApplication::applicationName());
    }
    EXPECT_EQ(recorder.m_aTexts.size(), static_cast<qsizetype>(aTexts.size()));
}

TEST(OpenError, TheRealBoxIsAWarningWithOk)
{
    QString strTitle;
    QString strText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        QMessageBox* pBox = nullptr;
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            if (auto* p = qobject_cast<QMessageBox*>(pWidget); p != nullptr && p->isVisible())
                pBox = p;
        }
        if (pBox == nullptr)
            return; // the box was not shown: the checks below fail, nothing blocks
        strTitle = pBox->windowTitle();
        strText = pBox->text();
        icon = pBox->icon();
        buttons = pBox->standardButtons();
        pBox->accept();
    });
    ShowOpenError(2);
    EXPECT_EQ(strTitle, QCoreApplication::applicationName());
    EXPECT_EQ(strText, "Can't open link:\n\nThe specified file was not found.");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}
