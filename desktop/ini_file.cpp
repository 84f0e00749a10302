// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ini_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sys/stat.h>

namespace {

constexpr std::streamoff c_nMaxIniBytes = 4 << 20; // larger files are not desktop data

} // namespace

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

std::string IniValue(const CIniFile& file, const std::string& strGroup, const std::string& strKey)
{
    const auto group = file.find(strGroup);
    if (group == file.end())
        return {};
    const auto value = group->second.find(strKey);
    return value == group->second.end() ? std::string() : value->second;
}
