// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_entry.h"

#include "desktop/exec_line.h"
#include "desktop/ini_file.h"

#include <unistd.h>

namespace {

constexpr int c_nMaxDashesTried = 8; // an id with more dashes is looked up as written only

// "a-b-c.desktop" may live at a/b-c.desktop, a-b/c.desktop, a/b/c.desktop ...
bool FindIdBelow(const std::string& strDir, std::string strRelative, std::string::size_type from,
    int nDashes, std::string& strFound)
{
    if (IsRegularFile(strDir + "/" + strRelative)) {
        strFound = strDir + "/" + strRelative;
        return true;
    }
    for (auto dash = strRelative.find('-', from); dash != std::string::npos && nDashes > 0;
         dash = strRelative.find('-', dash + 1)) {
        std::string strNext = strRelative;
        strNext[dash] = '/';
        if (FindIdBelow(strDir, strNext, dash + 1, nDashes - 1, strFound))
            return true;
    }
    return false;
}

std::string FindDesktopFile(const std::string& strId, const CXdgEnv& env)
{
    if (strId.empty() || strId.find('/') != std::string::npos
        || strId.rfind(".desktop") == std::string::npos)
        return {};
    std::string strFound;
    for (const std::string& strDir : ApplicationDirs(env)) {
        if (FindIdBelow(strDir, strId, 0, c_nMaxDashesTried, strFound))
            return strFound;
    }
    return {};
}

} // namespace

std::vector<std::string> ApplicationDirs(const CXdgEnv& env)
{
    std::vector<std::string> aDirs {env.m_strDataHome + "/applications"};
    for (const std::string& str : env.m_aDataDirs)
        aDirs.push_back(str + "/applications");
    return aDirs;
}

bool FindProgram(const std::string& strProgram, const std::string& strPath)
{
    if (strProgram.empty())
        return false;
    if (strProgram.find('/') != std::string::npos)
        return IsRegularFile(strProgram) && access(strProgram.c_str(), X_OK) == 0;
    for (const std::string& strDir : SplitList(strPath, ':')) {
        const std::string strFull = strDir + "/" + strProgram;
        if (IsRegularFile(strFull) && access(strFull.c_str(), X_OK) == 0)
            return true;
    }
    return false;
}

bool LoadEntry(const std::string& strId, const CXdgEnv& env, CDesktopEntry& entry)
{
    entry.m_strPath = FindDesktopFile(strId, env);
    CIniFile file;
    if (entry.m_strPath.empty() || !ReadIni(entry.m_strPath, file))
        return false;
    const std::string strGroup = "Desktop Entry";
    entry.m_strType = IniValue(file, strGroup, "Type");
    entry.m_strName = UnescapeDesktopValue(IniValue(file, strGroup, "Name"));
    entry.m_strExec = IniValue(file, strGroup, "Exec");
    entry.m_strTryExec = UnescapeDesktopValue(IniValue(file, strGroup, "TryExec"));
    entry.m_strIcon = UnescapeDesktopValue(IniValue(file, strGroup, "Icon"));
    entry.m_bHidden = IniValue(file, strGroup, "Hidden") == "true";
    entry.m_bTerminal = IniValue(file, strGroup, "Terminal") == "true";
    return true;
}

bool OpenCommandFor(
    const std::string& strId, const CXdgEnv& env, std::vector<std::string>& aOpenArgs)
{
    CDesktopEntry entry;
    if (!LoadEntry(strId, env, entry) || entry.m_strType != "Application" || entry.m_bHidden)
        return false;
    if (!entry.m_strTryExec.empty() && !FindProgram(entry.m_strTryExec, env.m_strPath))
        return false;
    std::vector<std::string> aArgs;
    if (!SplitExec(UnescapeDesktopValue(entry.m_strExec), aArgs) || aArgs.empty()
        || !FindProgram(aArgs[0], env.m_strPath))
        return false;
    if (!ExecToOpenArgs(entry.m_strExec, entry.m_strName, entry.m_strIcon, entry.m_strPath, aArgs))
        return false;
    if (entry.m_bTerminal)
        aArgs.insert(aArgs.begin(), {"x-terminal-emulator", "-e"});
    aOpenArgs = std::move(aArgs);
    return true;
}
