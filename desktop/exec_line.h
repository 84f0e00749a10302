// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// Command lines in the quoting of a desktop entry's Exec value, and the argument vectors that
// programs are started with. Standard C++ only: this unit compiles on its own (the fuzz target
// builds it alone).

// The one rule for bytes that never reach a program's arguments unquoted: below 0x20, or 0x7f.
bool IsControlByte(unsigned char c);
bool HasControlByte(const std::string& str);

// Undoes the string escapes of a desktop-entry value: \s \n \t \r \\. Any other backslash
// pair is kept as it is, for the quoting layer to read.
std::string UnescapeDesktopValue(const std::string& strValue);

// Splits an (already unescaped) Exec value into arguments: unquoted spaces, tabs and line
// breaks separate; "..." quotes, and inside quotes \" \` \$ \\ stand for the second character.
// Every other character is literal: nothing is ever handed to a shell. False for an
// unterminated quote or a control byte (other than tab, CR, LF) outside quotes.
bool SplitExec(const std::string& strExec, std::vector<std::string>& aArgs);

// The argument as SplitExec reads it back: unchanged when it needs no quoting, else in double
// quotes with " ` $ \ escaped.
std::string QuoteExecArg(const std::string& strArg);

// An open command is an argv in which one argument may hold the placeholder %1 for the
// address, possibly after glued text (--url=%1). As text, the placeholder is written "%1".
constexpr const char* c_pszPlaceholder = "%1";

// The open command as text: each argument quoted where needed, the placeholder written "%1"
// right after its glued text, joined by single spaces.
std::string JoinOpenCommand(const std::vector<std::string>& aOpenArgs);

// The argv that opens strTarget: the arguments before the first one holding %1, then that
// argument's text before %1 with the target glued on; everything after the placeholder is
// dropped. Without a placeholder the target is added at the end. The target is always exactly
// one argument, whatever it contains.
std::vector<std::string> BrowserArgs(
    const std::vector<std::string>& aOpenArgs, const std::string& strTarget);

// Where the address goes in an open command as text: the quoted placeholder "%1" (four
// characters) if present, else the bare %1; npos when there is none.
std::string::size_type FindPlaceholder(const std::string& strCommand);

// The open command (see BrowserArgs) of a desktop entry's Exec value, or false when the entry
// cannot be used: the file and URL field codes become the placeholder %1 (at most one, ending
// its argument, never in the program's name), %i %c %k %% are expanded, deprecated codes
// dropped. Text glued before the placeholder must need no quoting.
bool ExecToOpenArgs(const std::string& strExec, const std::string& strName,
    const std::string& strIcon, const std::string& strDesktopPath,
    std::vector<std::string>& aOpenArgs);
