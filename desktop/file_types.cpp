#include "desktop/file_types.h"

#include "desktop/exec_line.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using CIniGroup = std::map<std::string, std::string>; // key -> raw value
using CIniFile = std::map<std::string, CIniGroup>; // group name -> keys

constexpr std::streamoff c_nMaxIniBytes = 4 << 20; // larger files are not desktop data
constexpr int c_nMaxDashesTried = 8; // an id with more dashes is looked up as written only

// One desktop entry, read from its file.
struct CDesktopEntry
{
    std::string m_strPath;
    std::string m_strType;
    std::string m_strName;
    std::string m_strExec;
    std::string m_strTryExec;
    std::string m_strIcon;
    bool m_bHidden = false;
    bool m_bTerminal = false;
};

std::string Lower(std::string str)
{
    std::transform(str.begin(), str.end(), str.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return str;
}

std::string Trim(const std::string& str)
{
    const auto first = str.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return str.substr(first, str.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> SplitList(const std::string& str, char separator)
{
    std::vector<std::string> aParts;
    std::string::size_type start = 0;
    while (start <= str.size()) {
        auto end = str.find(separator, start);
        if (end == std::string::npos)
            end = str.size();
        const std::string strPart = Trim(str.substr(start, end - start));
        if (!strPart.empty())
            aParts.push_back(strPart);
        start = end + 1;
    }
    return aParts;
}

bool IsRegularFile(const std::string& strPath)
{
    struct stat st
    {
    };
    return stat(strPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ReadIni(const std::string& strPath, CIniFile& file)
{
    std::ifstream in(strPath, std::ios::binary | std::ios::ate);
    if (!in || in.tellg() > c_nMaxIniBytes)
        return false;
    in.seekg(0);
    std::string strLine;
    CIniGroup* pGroup = nullptr;
    while (std::getline(in, strLine)) {
        strLine = Trim(strLine);
        if (strLine.empty() || strLine[0] == '#')
            continue;
        if (strLine.front() == '[' && strLine.back() == ']') {
            pGroup = &file[strLine.substr(1, strLine.size() - 2)];
            continue;
        }
        const auto eq = strLine.find('=');
        if (pGroup != nullptr && eq != std::string::npos)
            pGroup->emplace(Trim(strLine.substr(0, eq)), Trim(strLine.substr(eq + 1)));
    }
    return true;
}

std::string Value(const CIniFile& file, const std::string& strGroup, const std::string& strKey)
{
    const auto group = file.find(strGroup);
    if (group == file.end())
        return {};
    const auto value = group->second.find(strKey);
    return value == group->second.end() ? std::string() : value->second;
}

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

std::vector<std::string> ApplicationDirs(const CXdgEnv& env)
{
    std::vector<std::string> aDirs {env.m_strDataHome + "/applications"};
    for (const std::string& str : env.m_aDataDirs)
        aDirs.push_back(str + "/applications");
    return aDirs;
}

// Finds a program as posix_spawnp would: a path with '/' as it is, else along PATH.
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

bool LoadEntry(const std::string& strId, const CXdgEnv& env, CDesktopEntry& entry)
{
    entry.m_strPath = FindDesktopFile(strId, env);
    CIniFile file;
    if (entry.m_strPath.empty() || !ReadIni(entry.m_strPath, file))
        return false;
    const std::string strGroup = "Desktop Entry";
    entry.m_strType = Value(file, strGroup, "Type");
    entry.m_strName = UnescapeDesktopValue(Value(file, strGroup, "Name"));
    entry.m_strExec = Value(file, strGroup, "Exec");
    entry.m_strTryExec = UnescapeDesktopValue(Value(file, strGroup, "TryExec"));
    entry.m_strIcon = UnescapeDesktopValue(Value(file, strGroup, "Icon"));
    entry.m_bHidden = Value(file, strGroup, "Hidden") == "true";
    entry.m_bTerminal = Value(file, strGroup, "Terminal") == "true";
    return true;
}

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
                    SplitList(Value(file, "Removed Associations", strMime), ';'))
                    aRemoved.push_back(strId);
                strAdded += ";" + Value(file, "Added Associations", strMime);
            }
            const std::string strId
                = FirstUsable(Value(file, "Default Applications", strMime), aRemoved, env);
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
        const std::string strId = FirstUsable(Value(file, strGroup, strMime), aRemoved, env);
        if (!strId.empty())
            return strId;
    }
    return {};
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

namespace {

// One Exec argument after field-code expansion.
struct CExpandedArg
{
    std::string m_strText; // the argument, or the text glued before the placeholder
    bool m_bPlaceholder = false; // ends in the file/URL placeholder
    bool m_bDropped = false; // consisted of dropped codes only
};

struct CEntryInfo
{
    const std::string& m_strName;
    const std::string& m_strIcon;
    const std::string& m_strPath;
};

// Expands the field codes of one argument; false when the argument makes the entry invalid.
bool ExpandArg(const std::string& strArg, const CEntryInfo& info, CExpandedArg& out)
{
    bool bOnlyDropped = true;
    for (std::string::size_type i = 0; i < strArg.size(); ++i) {
        if (out.m_bPlaceholder)
            return false; // text after the placeholder would be cut off by the opener
        if (strArg[i] != '%') {
            out.m_strText += strArg[i];
            bOnlyDropped = false;
            continue;
        }
        if (++i == strArg.size())
            return false; // a lone '%' at the end
        const char code = strArg[i];
        if (code != '\0' && std::strchr("idDnNvm", code) != nullptr)
            continue; // deprecated or meaningless here (%i is handled on its own)
        bOnlyDropped = false;
        if (code == 'u' || code == 'f' || code == 'U' || code == 'F') {
            if ((code == 'U' || code == 'F') && strArg.size() != 2)
                return false;
            out.m_bPlaceholder = true;
        } else if (code == '%') {
            out.m_strText += '%';
        } else if (code == 'c') {
            out.m_strText += info.m_strName;
        } else if (code == 'k') {
            out.m_strText += info.m_strPath;
        } else {
            return false;
        }
    }
    out.m_bDropped = bOnlyDropped && !strArg.empty();
    // A literal %1 would be taken for the placeholder by the opener.
    return out.m_strText.find(c_pszPlaceholder) == std::string::npos;
}

} // namespace

bool ExecToOpenArgs(const std::string& strExec, const std::string& strName,
    const std::string& strIcon, const std::string& strDesktopPath,
    std::vector<std::string>& aOpenArgs)
{
    std::vector<std::string> aArgs;
    if (!SplitExec(UnescapeDesktopValue(strExec), aArgs) || aArgs.empty())
        return false;
    const CEntryInfo info {strName, strIcon, strDesktopPath};
    std::vector<std::string> aOut;
    bool bHavePlaceholder = false;
    for (const std::string& strArg : aArgs) {
        if (strArg == "%i") {
            if (strIcon.find(c_pszPlaceholder) != std::string::npos)
                return false; // would be taken for the placeholder
            if (!strIcon.empty())
                aOut.insert(aOut.end(), {"--icon", strIcon});
            continue;
        }
        CExpandedArg arg;
        if (!ExpandArg(strArg, info, arg))
            return false;
        if (arg.m_bDropped)
            continue;
        if (!arg.m_bPlaceholder) {
            aOut.push_back(arg.m_strText);
            continue;
        }
        // At most one placeholder; glued text must read back unquoted in the text form.
        if (bHavePlaceholder
            || (!arg.m_strText.empty() && QuoteExecArg(arg.m_strText) != arg.m_strText))
            return false;
        bHavePlaceholder = true;
        aOut.push_back(arg.m_strText + c_pszPlaceholder);
    }
    // The address never names the program.
    if (aOut.empty() || aOut[0].find(c_pszPlaceholder) != std::string::npos)
        return false;
    aOpenArgs = std::move(aOut);
    return true;
}
