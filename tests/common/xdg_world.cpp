// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/common/xdg_world.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Only shell built-ins: the script must work with PATH holding nothing but its own folder.
const char* const c_pszFakeBrowser = "#!/bin/sh\n"
                                     "{ for a in \"$@\"; do printf 'arg=<%s>\\n' \"$a\"; done;"
                                     " printf 'end\\n'; } > \"$FAKEBROWSER_LOG\"\n";

} // namespace

CXdgWorld::CXdgWorld()
{
    std::string strTemplate = (fs::temp_directory_path() / "cantabell-xdg-XXXXXX").string();
    if (mkdtemp(strTemplate.data()) == nullptr)
        std::abort();
    m_strRoot = strTemplate;
    for (const char* pszDir : {"home", "config", "etcxdg", "data/applications", "sysdata", "run"})
        fs::create_directories(Path(pszDir));
    fs::permissions(Path("run"), fs::perms::owner_all, fs::perm_options::replace);
    WriteFile("bin/fakebrowser", c_pszFakeBrowser, 0755);

    SetEnv("HOME", Path("home"));
    SetEnv("XDG_CONFIG_HOME", Path("config"));
    SetEnv("XDG_CONFIG_DIRS", Path("etcxdg"));
    SetEnv("XDG_DATA_HOME", Path("data"));
    SetEnv("XDG_DATA_DIRS", Path("sysdata"));
    SetEnv("XDG_RUNTIME_DIR", Path("run"));
    SetEnv("XDG_CURRENT_DESKTOP", "X-Generic");
    SetEnv("FAKEBROWSER_LOG", Path("browser.log"));
    SetEnv("PATH", Path("bin") + ":/usr/bin:/bin");
    SetEnv("BROWSER", "false");
    for (const char* pszName : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
             "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        UnsetEnv(pszName);
}

CXdgWorld::~CXdgWorld()
{
    for (const auto& [strName, value] : m_mapSaved) {
        if (value)
            setenv(strName.c_str(), value->c_str(), 1);
        else
            unsetenv(strName.c_str());
    }
    std::error_code error;
    fs::remove_all(m_strRoot, error);
}

void CXdgWorld::SetEnv(const std::string& strName, const std::string& strValue)
{
    UnsetEnv(strName);
    setenv(strName.c_str(), strValue.c_str(), 1);
}

void CXdgWorld::UnsetEnv(const std::string& strName)
{
    if (m_mapSaved.count(strName) == 0) {
        const char* psz = std::getenv(strName.c_str());
        m_mapSaved[strName] = psz != nullptr ? std::optional<std::string>(psz) : std::nullopt;
    }
    unsetenv(strName.c_str());
}

void CXdgWorld::WriteFile(
    const std::string& strRelative, const std::string& strText, unsigned nMode)
{
    const fs::path path = Path(strRelative);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << strText;
    fs::permissions(path, static_cast<fs::perms>(nMode), fs::perm_options::replace);
}

void CXdgWorld::AddEntry(
    const std::string& strId, const std::string& strExec, const std::string& strExtra)
{
    WriteFile("data/applications/" + strId,
        "[Desktop Entry]\nType=Application\nName=Fake Browser\nExec=" + strExec + "\n" + strExtra);
}

void CXdgWorld::SetDefaultBrowser(const std::string& strId)
{
    WriteFile("config/mimeapps.list",
        "[Default Applications]\ntext/html=" + strId + "\nx-scheme-handler/http=" + strId
            + "\nx-scheme-handler/https=" + strId + "\n");
}

std::optional<std::vector<std::string>> CXdgWorld::WaitForBrowserArgs(int nMs) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMs);
    do {
        std::ifstream in(Path("browser.log"));
        std::vector<std::string> aArgs;
        std::string strLine;
        while (std::getline(in, strLine)) {
            if (strLine == "end")
                return aArgs;
            if (strLine.size() >= 6 && strLine.compare(0, 5, "arg=<") == 0 && strLine.back() == '>')
                aArgs.push_back(strLine.substr(5, strLine.size() - 6));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

bool CXdgWorld::BrowserRan() const
{
    return fs::exists(Path("browser.log"));
}
