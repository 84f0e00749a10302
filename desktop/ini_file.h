// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

// Reading the freedesktop key files (desktop entries, mimeapps.list,
// defaults.list, mimeinfo.cache): groups of "key=value" lines, comments and blanks skipped.
using CIniGroup = std::map<std::string, std::string>; // key -> raw value
using CIniFile = std::map<std::string, CIniGroup>; // group name -> keys

// Reads strPath into file (groups already there are kept); false when it cannot be read or
// is larger than any desktop data (4 MiB).
bool ReadIni(const std::string& strPath, CIniFile& file);
// The raw value of strKey in strGroup, or "".
std::string IniValue(const CIniFile& file, const std::string& strGroup, const std::string& strKey);

// ASCII lower case.
std::string Lower(std::string str);
// str without leading and trailing blanks (space, tab, CR).
std::string Trim(const std::string& str);
// The trimmed, non-empty parts of str between separators.
std::vector<std::string> SplitList(const std::string& str, char separator);
bool IsRegularFile(const std::string& strPath);
