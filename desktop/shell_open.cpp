// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/shell_open.h"

#include "desktop/exec_line.h"
#include "desktop/spawn.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <sys/wait.h>

namespace {

constexpr auto c_pumpInterval = std::chrono::milliseconds(20);

bool g_bOpenInProgress = false;

// Marks an open as in progress for the lifetime of the object.
class CBusyScope
{
public:
    CBusyScope() { g_bOpenInProgress = true; }
    ~CBusyScope() { g_bOpenInProgress = false; }
    CBusyScope(const CBusyScope&) = delete;
    CBusyScope& operator=(const CBusyScope&) = delete;
};

int MapExitCode(int nCode)
{
    switch (nCode) {
    case 0:
        return OPEN_OPENED;
    case 1: // syntax error: our checks keep it from happening
    case 2: // file or path missing
        return OPEN_FILE_NOT_FOUND;
    case 5:
        return OPEN_ACCESS_DENIED;
    default: // 3 no method available, 4 the chosen program failed
        return OPEN_NO_ASSOCIATION;
    }
}

// Why xdg-open could not be started, as ShellOpen's result.
int OpenerSpawnResult(int nError)
{
    switch (nError) {
    case EACCES:
        return OPEN_ACCESS_DENIED;
    case ENOMEM:
    case EAGAIN:
        return OPEN_OUT_OF_MEMORY;
    default: // ENOENT above all: no xdg-open, so the caller falls back to the browser command
        return OPEN_NO_ASSOCIATION;
    }
}

int MapStatus(int nStatus)
{
    if (nStatus < 0)
        return OPEN_NO_ASSOCIATION;
    if (WIFEXITED(nStatus))
        return MapExitCode(WEXITSTATUS(nStatus));
    return OPEN_OUT_OF_RESOURCES;
}

} // namespace

bool IsSafeLinkTarget(const std::string& strTarget)
{
    return !strTarget.empty() && strTarget[0] != '-' && !HasControlByte(strTarget);
}

bool IsShellOpenInProgress()
{
    return g_bOpenInProgress;
}

int ShellOpen(const std::string& strTarget, const CShellOpenOptions& options)
{
    if (!IsSafeLinkTarget(strTarget))
        return OPEN_FILE_NOT_FOUND;
    CBusyScope busy;
    pid_t pid = 0;
    const int nError = SpawnProcess({options.m_strXdgOpen, strTarget}, pid);
    if (nError != 0)
        return OpenerSpawnResult(nError);

    std::future<int> status = ReapInBackground(pid);
    const auto deadline
        = std::chrono::steady_clock::now() + std::chrono::milliseconds(options.m_nGraceMs);
    for (;;) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return OPEN_OPENED; // still running: the browser is up and xdg-open waits for it
        const auto slice
            = std::min<std::chrono::steady_clock::duration>(c_pumpInterval, deadline - now);
        if (status.wait_for(slice) == std::future_status::ready)
            return MapStatus(status.get());
        if (options.m_fnPump)
            options.m_fnPump();
    }
}
