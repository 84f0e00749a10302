// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// A private desktop for link tests: temporary XDG config and data folders, a fake browser
// script (bin/fakebrowser) that writes each argument as "arg=<...>" to $FAKEBROWSER_LOG, and
// an environment that makes xdg-open deterministic (X-Generic desktop, no display, no D-Bus,
// BROWSER=false, PATH = bin:/usr/bin:/bin). Every variable it changes is restored, and the
// folder removed, when it goes out of scope.
class CXdgWorld
{
public:
    CXdgWorld();
    ~CXdgWorld();
    CXdgWorld(const CXdgWorld&) = delete;
    CXdgWorld& operator=(const CXdgWorld&) = delete;

    std::string Path(const std::string& strRelative) const { return m_strRoot + "/" + strRelative; }

    void SetEnv(const std::string& strName, const std::string& strValue);
    void UnsetEnv(const std::string& strName);

    // Writes a file below the root (folders made as needed) with the given permission bits.
    void WriteFile(
        const std::string& strRelative, const std::string& strText, unsigned nMode = 0644);
    // Writes data/applications/<id> as an application entry with this Exec line.
    void AddEntry(
        const std::string& strId, const std::string& strExec, const std::string& strExtra = "");
    // Writes config/mimeapps.list making strId the default for text/html and http(s).
    void SetDefaultBrowser(const std::string& strId);

    // The fake browser's arguments once it has finished writing them, or nothing after nMs.
    std::optional<std::vector<std::string>> WaitForBrowserArgs(int nMs = 5000) const;
    bool BrowserRan() const;

private:
    std::string m_strRoot;
    std::map<std::string, std::optional<std::string>> m_mapSaved; // first value of each variable
};
