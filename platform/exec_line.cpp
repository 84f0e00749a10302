#include "platform/exec_line.h"

#include <cstring>

namespace {

bool IsControlByte(unsigned char c)
{
    return c < 0x20 || c == 0x7f;
}

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

std::string::size_type FindPlaceholder(const std::string& strCommand)
{
    const std::string::size_type quoted = strCommand.find("\"%1\"");
    if (quoted != std::string::npos)
        return quoted;
    return strCommand.find("%1");
}
