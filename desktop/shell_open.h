// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop/open_result.h"

#include <functional>
#include <string>

// How ShellOpen waits for the desktop's opener.
struct CShellOpenOptions
{
    int m_nGraceMs = 1500; // how long to wait for xdg-open's verdict, in ms
    std::function<void()>
        m_fnPump; // called about every 20 ms while waiting (keeps the UI painting)
    std::string m_strXdgOpen = "xdg-open"; // the opener, looked up in PATH
};

// True when a link target may be handed to a program: not empty, no control byte (< 0x20 or
// 0x7f), and not starting with '-' (it would be read as an option).
bool IsSafeLinkTarget(const std::string& strTarget);

// True while ShellOpen waits; link controls ignore clicks meanwhile.
bool IsShellOpenInProgress();

// Opens strTarget with the desktop's opener ("xdg-open TARGET", no shell) and waits up to
// the grace period for its exit code. Returns 42 when it exited 0 or is still running (the
// browser may stay in the foreground); otherwise 2 (refused target, exit 1 or 2), 31 (no
// method: exit 3 or 4, other exits, or xdg-open missing), 5 (access denied), 8 (out of
// memory or processes), 0 (killed by a signal).
int ShellOpen(const std::string& strTarget, const CShellOpenOptions& options = {});
