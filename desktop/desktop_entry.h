// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/file_types.h"

#include <string>
#include <vector>

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

// The applications folders in order of precedence: the data home's, then the data dirs'.
std::vector<std::string> ApplicationDirs(const CXdgEnv& env);
// Finds a program as posix_spawnp would: a path with '/' as it is, else along strPath.
bool FindProgram(const std::string& strProgram, const std::string& strPath);
// Reads the entry with desktop-file id strId from the first applications folder that has it
// ("a-b.desktop" may also live at a/b.desktop); false when there is none.
bool LoadEntry(const std::string& strId, const CXdgEnv& env, CDesktopEntry& entry);
