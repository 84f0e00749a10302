// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop/open_result.h"

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

// Starts aArgs as the browser fallback does and never waits for the program. Returns 33 when
// started; 2 program not found or no program; 3 missing directory; 5 access denied; 11 not
// executable, too long, or an argument with a control byte; 0 otherwise.
int WinExec(const std::vector<std::string>& aArgs);

// Starts an open command (see BrowserArgs) for strTarget, which stays one argument. A target
// that is empty or starts with '-' is refused with 2 and nothing runs; otherwise as WinExec.
int StartBrowser(const std::vector<std::string>& aOpenArgs, const std::string& strTarget);
