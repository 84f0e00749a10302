#pragma once

#include <future>
#include <string>
#include <sys/types.h>
#include <vector>

// Starting programs without a shell. Standard C++ and POSIX only.

// Starts aArgs[0] (looked up in PATH unless it holds a '/') with aArgs as its argv: stdin,
// stdout and stderr on /dev/null, in a session of its own, every signal at its default and
// none blocked, no descriptor above 2 inherited. Returns 0 and sets pid, or the errno value.
int SpawnProcess(const std::vector<std::string>& aArgs, pid_t& pid);

// Waits for that one child on a detached thread (never for any other child: Qt reaps its
// own). The future gets the wait status, or -1 when the child could not be waited for.
std::future<int> ReapInBackground(pid_t pid);

// Notes an open command handed out by the file-type view, so that WinExec keeps whatever the
// opener appends after the placeholder's cut (one space, then the address) as one argument.
void RememberCommandPrefix(const std::string& strCommand);

// Starts a command line as the browser fallback does. A line that begins with a remembered
// prefix followed by one space is split only in that prefix, and the rest (the address) stays
// one argument, glued to the last one when the placeholder was glued (--url="%1"). Any other
// line is split with SplitExec. Never waits for the program.
// Returns 33 when started; 2 program not found, empty line or an address starting with '-';
// 3 missing directory; 5 access denied; 11 not executable, too long or malformed; 0 otherwise.
int WinExec(const std::string& strCmdLine, int nShowCommand);
