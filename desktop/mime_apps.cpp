// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The default application for a MIME type, in the lookup order of the MIME applications
// associations: mimeapps.list files (desktop-specific first), defaults.list, the added
// associations, mimeinfo.cache.
#include "desktop/desktop_entry.h"
#include "desktop/file_types.h"
#include "desktop/ini_file.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<std::string>& a, const std::string& str)
{
    return std::find(a.begin(), a.end(), str) != a.end();
}

// The first usable id of a list that is not blacklisted, or "".
std::string FirstUsable(
    const std::string& strList, const std::vector<std::string>& aRemoved, const CXdgEnv& env)
{
    std::vector<std::string> aOpenArgs;
    for (const std::string& strId : SplitList(strList, ';')) {
        if (!Contains(aRemoved, strId) && OpenCommandFor(strId, env, aOpenArgs))
            return strId;
    }
    return {};
}

// The mimeapps.list folders in order of precedence.
std::vector<std::string> MimeAppsDirs(const CXdgEnv& env)
{
    std::vector<std::string> aDirs {env.m_strConfigHome};
    aDirs.insert(aDirs.end(), env.m_aConfigDirs.begin(), env.m_aConfigDirs.end());
    const std::vector<std::string> aApps = ApplicationDirs(env);
    aDirs.insert(aDirs.end(), aApps.begin(), aApps.end());
    return aDirs;
}

std::string FromMimeAppsLists(const std::string& strMime, const CXdgEnv& env,
    std::vector<std::string>& aRemoved, std::string& strAdded)
{
    for (const std::string& strDir : MimeAppsDirs(env)) {
        std::vector<std::string> aNames;
        for (const std::string& strDesktop : env.m_aDesktops)
            aNames.push_back(strDesktop + "-mimeapps.list");
        aNames.push_back("mimeapps.list");
        for (const std::string& strName : aNames) {
            CIniFile file;
            if (!ReadIni(strDir + "/" + strName, file))
                continue;
            if (strName == "mimeapps.list") {
                for (const std::string& strId :
                    SplitList(IniValue(file, "Removed Associations", strMime), ';'))
                    aRemoved.push_back(strId);
                strAdded += ";" + IniValue(file, "Added Associations", strMime);
            }
            const std::string strId
                = FirstUsable(IniValue(file, "Default Applications", strMime), aRemoved, env);
            if (!strId.empty())
                return strId;
        }
    }
    return {};
}

std::string FromAppDirFiles(const std::string& strMime, const std::string& strFileName,
    const std::string& strGroup, const std::vector<std::string>& aRemoved, const CXdgEnv& env)
{
    for (const std::string& strDir : ApplicationDirs(env)) {
        CIniFile file;
        if (!ReadIni(strDir + "/" + strFileName, file))
            continue;
        const std::string strId = FirstUsable(IniValue(file, strGroup, strMime), aRemoved, env);
        if (!strId.empty())
            return strId;
    }
    return {};
}

} // namespace

std::string DefaultDesktopIdFor(const std::string& strMimeType, const CXdgEnv& env)
{
    std::vector<std::string> aRemoved;
    std::string strAdded;
    std::string strId = FromMimeAppsLists(strMimeType, env, aRemoved, strAdded);
    if (strId.empty())
        strId
            = FromAppDirFiles(strMimeType, "defaults.list", "Default Applications", aRemoved, env);
    if (strId.empty())
        strId = FirstUsable(strAdded, aRemoved, env);
    if (strId.empty())
        strId = FromAppDirFiles(strMimeType, "mimeinfo.cache", "MIME Cache", aRemoved, env);
    return strId;
}
