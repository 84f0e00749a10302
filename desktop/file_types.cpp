// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/file_types.h"

#include "desktop/desktop_entry.h"
#include "desktop/exec_line.h"
#include "desktop/ini_file.h"

#include <cstdlib>

namespace {

std::string EnvOr(const char* pszName, const std::string& strFallback)
{
    const char* psz = std::getenv(pszName);
    return psz != nullptr && psz[0] == '/' ? std::string(psz) : strFallback;
}

std::vector<std::string> EnvDirs(const char* pszName, const std::string& strFallback)
{
    const char* psz = std::getenv(pszName);
    std::vector<std::string> aDirs;
    for (const std::string& str :
        SplitList(psz != nullptr && psz[0] != '\0' ? psz : strFallback, ':')) {
        if (str[0] == '/')
            aDirs.push_back(str);
    }
    return aDirs;
}

bool EndsWithNoCase(const std::string& str, const std::string& strSuffix)
{
    return str.size() >= strSuffix.size()
        && Lower(str.substr(str.size() - strSuffix.size())) == Lower(strSuffix);
}

} // namespace

CXdgEnv CXdgEnv::FromProcess()
{
    CXdgEnv env;
    const std::string strHome = EnvOr("HOME", "");
    env.m_strConfigHome = EnvOr("XDG_CONFIG_HOME", strHome + "/.config");
    env.m_strDataHome = EnvOr("XDG_DATA_HOME", strHome + "/.local/share");
    env.m_aConfigDirs = EnvDirs("XDG_CONFIG_DIRS", "/etc/xdg");
    env.m_aDataDirs = EnvDirs("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    const char* pszDesktop = std::getenv("XDG_CURRENT_DESKTOP");
    for (const std::string& str : SplitList(pszDesktop != nullptr ? pszDesktop : "", ':'))
        env.m_aDesktops.push_back(Lower(str));
    const char* pszPath = std::getenv("PATH");
    env.m_strPath = pszPath != nullptr ? pszPath : "/usr/bin:/bin";
    return env;
}

long QueryClassesRoot(const std::string& strSubKey, std::string& strValue, const CXdgEnv& env)
{
    const std::string strKey = Lower(strSubKey);
    if (strKey == ".htm" || strKey == ".html") {
        std::string strId = DefaultDesktopIdFor("text/html", env);
        if (strId.empty())
            strId = DefaultDesktopIdFor("x-scheme-handler/http", env);
        if (strId.empty())
            return ERROR_FILE_NOT_FOUND;
        strValue = strId;
        return ERROR_SUCCESS;
    }
    const std::string strCommandKey = "\\shell\\open\\command";
    if (EndsWithNoCase(strSubKey, strCommandKey)) {
        const std::string strId = strSubKey.substr(0, strSubKey.size() - strCommandKey.size());
        std::vector<std::string> aOpenArgs;
        if (!OpenCommandFor(strId, env, aOpenArgs))
            return ERROR_FILE_NOT_FOUND;
        strValue = JoinOpenCommand(aOpenArgs);
        return ERROR_SUCCESS;
    }
    CDesktopEntry entry;
    if (!LoadEntry(strSubKey, env, entry))
        return ERROR_FILE_NOT_FOUND;
    strValue = entry.m_strName;
    return ERROR_SUCCESS;
}
