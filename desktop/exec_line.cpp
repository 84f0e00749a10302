// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/exec_line.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* c_pszQuotedPlaceholder = "\"%1\"";
constexpr std::string::size_type c_nPlaceholderLength = 2;

// The characters a backslash escapes inside double quotes (strchr alone would match '\0').
bool IsQuotedEscape(char c)
{
    return c != '\0' && std::strchr("\"`$\\", c) != nullptr;
}

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Characters the desktop-entry rules reserve: an argument holding one is written in quotes.
bool NeedsQuotes(const std::string& strArg)
{
    if (strArg.empty())
        return true;
    for (char c : strArg) {
        if (IsSeparator(c) || (c != '\0' && std::strchr("\"'\\><~|&;$*?#()`", c) != nullptr))
            return true;
    }
    return false;
}

} // namespace

bool IsControlByte(unsigned char c)
{
    return c < 0x20 || c == 0x7f;
}

bool HasControlByte(const std::string& str)
{
    return std::any_of(str.begin(), str.end(),
        [](char c) { return IsControlByte(static_cast<unsigned char>(c)); });
}

std::string UnescapeDesktopValue(const std::string& strValue)
{
    std::string strOut;
    strOut.reserve(strValue.size());
    for (std::string::size_type i = 0; i < strValue.size(); ++i) {
        const char c = strValue[i];
        if (c != '\\' || i + 1 == strValue.size()) {
            strOut += c;
            continue;
        }
        const char next = strValue[i + 1];
        switch (next) {
        case 's':
            strOut += ' ';
            break;
        case 'n':
            strOut += '\n';
            break;
        case 't':
            strOut += '\t';
            break;
        case 'r':
            strOut += '\r';
            break;
        case '\\':
            strOut += '\\';
            break;
        default:
            strOut += c;
            strOut += next;
            break;
        }
        ++i;
    }
    return strOut;
}

bool SplitExec(const std::string& strExec, std::vector<std::string>& aArgs)
{
    aArgs.clear();
    std::string strCurrent;
    bool bInArg = false;
    bool bInQuote = false;
    const std::string::size_type n = strExec.size();
    for (std::string::size_type i = 0; i < n; ++i) {
        const char c = strExec[i];
        if (bInQuote) {
            if (c == '"')
                bInQuote = false;
            else if (c == '\\' && i + 1 < n && IsQuotedEscape(strExec[i + 1]))
                strCurrent += strExec[++i];
            else if (IsControlByte(static_cast<unsigned char>(c)) && !IsSeparator(c))
                return false;
            else
                strCurrent += c;
        } else if (IsSeparator(c)) {
            if (bInArg)
                aArgs.push_back(strCurrent);
            strCurrent.clear();
            bInArg = false;
        } else if (IsControlByte(static_cast<unsigned char>(c))) {
            return false;
        } else if (c == '"') {
            bInQuote = true;
            bInArg = true;
        } else {
            strCurrent += c;
            bInArg = true;
        }
    }
    if (bInQuote)
        return false;
    if (bInArg)
        aArgs.push_back(strCurrent);
    return true;
}

std::string QuoteExecArg(const std::string& strArg)
{
    if (!NeedsQuotes(strArg))
        return strArg;
    std::string strOut = "\"";
    for (char c : strArg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            strOut += '\\';
        strOut += c;
    }
    strOut += '"';
    return strOut;
}

std::string JoinOpenCommand(const std::vector<std::string>& aOpenArgs)
{
    std::string strOut;
    for (const std::string& strArg : aOpenArgs) {
        if (!strOut.empty())
            strOut += ' ';
        const std::string::size_type at = strArg.find(c_pszPlaceholder);
        if (at == std::string::npos)
            strOut += QuoteExecArg(strArg);
        else
            strOut += strArg.substr(0, at) + c_pszQuotedPlaceholder
                + strArg.substr(at + c_nPlaceholderLength);
    }
    return strOut;
}

std::vector<std::string> BrowserArgs(
    const std::vector<std::string>& aOpenArgs, const std::string& strTarget)
{
    std::vector<std::string> aArgs;
    for (const std::string& strArg : aOpenArgs) {
        const std::string::size_type at = strArg.find(c_pszPlaceholder);
        if (at != std::string::npos) {
            aArgs.push_back(strArg.substr(0, at) + strTarget);
            return aArgs;
        }
        aArgs.push_back(strArg);
    }
    aArgs.push_back(strTarget);
    return aArgs;
}

std::string::size_type FindPlaceholder(const std::string& strCommand)
{
    const std::string::size_type quoted = strCommand.find(c_pszQuotedPlaceholder);
    if (quoted != std::string::npos)
        return quoted;
    return strCommand.find(c_pszPlaceholder);
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
