#pragma once

#include <string>
#include <vector>

// Command lines in the quoting of a desktop entry's Exec value. Standard C++ only: this unit
// compiles on its own (the fuzz target builds it alone).

// Undoes the string escapes of a desktop-entry value: \s \n \t \r \\. Any other backslash
// pair is kept as it is, for the quoting layer to read.
std::string UnescapeDesktopValue(const std::string& strValue);

// Splits an (already unescaped) Exec value into arguments: unquoted spaces, tabs and line
// breaks separate; "..." quotes, and inside quotes \" \` \$ \\ stand for the second character.
// Every other character is literal: nothing is ever handed to a shell. False for an
// unterminated quote or a control byte (< 0x20 other than tab, CR, LF; or 0x7f) outside quotes.
bool SplitExec(const std::string& strExec, std::vector<std::string>& aArgs);

// The argument as SplitExec reads it back: unchanged when it needs no quoting, else in double
// quotes with " ` $ \ escaped.
std::string QuoteExecArg(const std::string& strArg);

// Where the browser's address goes in an open command: the quoted placeholder "%1" (four
// characters) if present, else the bare %1; npos when there is none.
std::string::size_type FindPlaceholder(const std::string& strCommand);
