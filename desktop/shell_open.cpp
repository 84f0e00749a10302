#include "desktop/shell_open.h"

#include "desktop/exec_line.h"
#include "desktop/spawn.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <sys/wait.h>

namespace {

constexpr int c_nOpened = 42; // any value that IsOpenSuccess accepts
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
        return c_nOpened;
    case 1: // syntax error: our checks keep it from happening
    case 2: // file or path missing
        return 2;
    case 5:
        return 5;
    default: // 3 no method available, 4 the chosen program failed
        return 31;
    }
}

int MapSpawnError(int nError)
{
    switch (nError) {
    case EACCES:
        return 5;
    case ENOMEM:
    case EAGAIN:
        return 8;
    default: // ENOENT above all: no xdg-open, so the caller falls back to the browser command
        return 31;
    }
}

int MapStatus(int nStatus)
{
    if (nStatus < 0)
        return 31;
    if (WIFEXITED(nStatus))
        return MapExitCode(WEXITSTATUS(nStatus));
    return 0;
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
        return 2;
    CBusyScope busy;
    pid_t pid = 0;
    const int nError = SpawnProcess({options.m_strXdgOpen, strTarget}, pid);
    if (nError != 0)
        return MapSpawnError(nError);

    std::future<int> status = ReapInBackground(pid);
    const auto deadline
        = std::chrono::steady_clock::now() + std::chrono::milliseconds(options.m_nGraceMs);
    for (;;) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return c_nOpened; // still running: the browser is up and xdg-open waits for it
        const auto slice
            = std::min<std::chrono::steady_clock::duration>(c_pumpInterval, deadline - now);
        if (status.wait_for(slice) == std::future_status::ready)
            return MapStatus(status.get());
        if (options.m_fnPump)
            options.m_fnPump();
    }
}
