// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// The root of the key namespace that file_types serves; there is only the one.
enum HKEY : int
{
    HKEY_CLASSES_ROOT = 1,
};

constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;

// The XDG base directories and desktop names the lookup uses, read from the environment.
struct CXdgEnv
{
    std::string m_strConfigHome; // $XDG_CONFIG_HOME or ~/.config
    std::string m_strDataHome; // $XDG_DATA_HOME or ~/.local/share
    std::vector<std::string> m_aConfigDirs; // $XDG_CONFIG_DIRS or /etc/xdg
    std::vector<std::string> m_aDataDirs; // $XDG_DATA_DIRS or /usr/local/share:/usr/share
    std::vector<std::string> m_aDesktops; // $XDG_CURRENT_DESKTOP, lower case
    std::string m_strPath; // $PATH, to check that a program exists

    // Reads the variables now (relative paths are ignored, as the base-directory rules say).
    static CXdgEnv FromProcess();
};

// The desktop-file id of the default application for a MIME type, or "" when none is usable.
// Order: <desktop>-mimeapps.list then mimeapps.list in the config home, the config dirs, the
// data home's and the data dirs' applications folders, honouring [Removed Associations];
// then defaults.list; then [Added Associations]; then mimeinfo.cache.
std::string DefaultDesktopIdFor(const std::string& strMimeType, const CXdgEnv& env);

// The open command of the desktop entry strId, when the entry is usable here: an application,
// not hidden, its TryExec and program found in PATH, its Exec line valid. A terminal entry
// runs in x-terminal-emulator. False, with aOpenArgs untouched, otherwise.
bool OpenCommandFor(
    const std::string& strId, const CXdgEnv& env, std::vector<std::string>& aOpenArgs);

// The default value of a key, as the browser fallback reads it (keys are case-insensitive):
//   ".htm", ".html"                 -> desktop-file id of the text/html default (else http's)
//   "<id>"                          -> the entry's Name
//   "<id>\shell\open\command"       -> its open command as text (OpenCommandFor, JoinOpenCommand)
// Returns ERROR_SUCCESS and sets strValue, or ERROR_FILE_NOT_FOUND and leaves it alone.
long QueryClassesRoot(const std::string& strSubKey, std::string& strValue, const CXdgEnv& env);
