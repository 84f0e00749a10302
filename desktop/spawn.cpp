// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/spawn.h"

#include "desktop/exec_line.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// posix_spawnp answers ENOENT for a missing directory too; WinExec tells the two apart.
bool DirectoryMissing(const std::string& strProgram)
{
    const std::string::size_type slash = strProgram.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return false;
    struct stat st
    {
    };
    return stat(strProgram.substr(0, slash).c_str(), &st) != 0 || !S_ISDIR(st.st_mode);
}

// How starting a program went, as WinExec's result.
int ExecSpawnResult(int nError)
{
    switch (nError) {
    case 0:
        return OPEN_STARTED;
    case ENOENT:
        return OPEN_FILE_NOT_FOUND;
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return OPEN_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case ETXTBSY:
        return OPEN_ACCESS_DENIED;
    case ENOEXEC:
    case E2BIG:
        return OPEN_BAD_FORMAT;
    default:
        return OPEN_OUT_OF_RESOURCES;
    }
}

} // namespace

int SpawnProcess(const std::vector<std::string>& aArgs, pid_t& pid)
{
    if (aArgs.empty() || aArgs[0].empty())
        return ENOENT;
    std::vector<char*> argv;
    argv.reserve(aArgs.size() + 1);
    for (const std::string& str : aArgs)
        argv.push_back(const_cast<char*>(str.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return ENOMEM;
    if (posix_spawnattr_init(&attr) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return ENOMEM;
    }
    for (int fd = 0; fd <= 2; ++fd)
        posix_spawn_file_actions_addopen(
            &actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    sigset_t noSignals;
    sigset_t allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    posix_spawnattr_setsigmask(&attr, &noSignals);
    posix_spawnattr_setsigdefault(&attr, &allSignals);
    posix_spawnattr_setflags(
        &attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    const int nError = posix_spawnp(&pid, argv[0], &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    return nError;
}

std::future<int> ReapInBackground(pid_t pid)
{
    std::promise<int> promise;
    std::future<int> future = promise.get_future();
    auto reap = [pid](std::promise<int> result) {
        int nStatus = 0;
        pid_t done;
        do
            done = waitpid(pid, &nStatus, 0);
        while (done < 0 && errno == EINTR);
        result.set_value(done == pid ? nStatus : -1);
    };
    try {
        std::thread(reap, std::move(promise)).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the child is left to be reaped at exit; report it as unknown.
        std::promise<int> failed;
        failed.set_value(-1);
        return failed.get_future();
    }
    return future;
}

int WinExec(const std::vector<std::string>& aArgs)
{
    if (aArgs.empty() || aArgs[0].empty())
        return OPEN_FILE_NOT_FOUND;
    for (const std::string& strArg : aArgs) {
        if (HasControlByte(strArg))
            return OPEN_BAD_FORMAT;
    }
    if (DirectoryMissing(aArgs[0]))
        return OPEN_PATH_NOT_FOUND;
    pid_t pid = 0;
    const int nError = SpawnProcess(aArgs, pid);
    if (nError == 0)
        ReapInBackground(pid);
    return ExecSpawnResult(nError);
}

int StartBrowser(const std::vector<std::string>& aOpenArgs, const std::string& strTarget)
{
    if (strTarget.empty() || strTarget[0] == '-')
        return OPEN_FILE_NOT_FOUND;
    return WinExec(BrowserArgs(aOpenArgs, strTarget));
}
