#include "platform/spawn.h"

#include "platform/exec_line.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// A prefix of an open command: the text before its placeholder (or the whole command).
struct CCommandPrefix
{
    std::string m_strPrefix;
    bool m_bGlued = false; // the placeholder was part of an argument, e.g. --url="%1"
};

constexpr std::size_t c_nMaxPrefixes = 32; // a handful of browsers; the oldest is forgotten

std::mutex g_prefixMutex;
std::vector<CCommandPrefix> g_aPrefixes;

bool FindPrefix(const std::string& strCmdLine, CCommandPrefix& found)
{
    std::lock_guard<std::mutex> lock(g_prefixMutex);
    bool bFound = false;
    for (const CCommandPrefix& prefix : g_aPrefixes) {
        const std::string& str = prefix.m_strPrefix;
        if (str.empty() || strCmdLine.size() <= str.size() + 1
            || strCmdLine.compare(0, str.size(), str) != 0 || strCmdLine[str.size()] != ' ')
            continue;
        if (!bFound || str.size() > found.m_strPrefix.size())
            found = prefix;
        bFound = true;
    }
    return bFound;
}

// Splits the command line into argv; returns 0 or the failure code of WinExec.
int Tokenize(const std::string& strCmdLine, std::vector<std::string>& aArgs)
{
    CCommandPrefix prefix;
    if (!FindPrefix(strCmdLine, prefix))
        return SplitExec(strCmdLine, aArgs) ? 0 : 11;
    if (!SplitExec(prefix.m_strPrefix, aArgs))
        return 11;
    const std::string strTail = strCmdLine.substr(prefix.m_strPrefix.size() + 1);
    if (strTail.empty() || strTail[0] == '-' || aArgs.empty())
        return 2;
    if (prefix.m_bGlued)
        aArgs.back() += strTail;
    else
        aArgs.push_back(strTail);
    return 0;
}

bool HasControlByte(const std::string& str)
{
    for (unsigned char c : str) {
        if (c < 0x20 || c == 0x7f)
            return true;
    }
    return false;
}

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

int MapSpawnError(int nError)
{
    switch (nError) {
    case 0:
        return 33;
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return 3;
    case EACCES:
    case EPERM:
    case EISDIR:
    case ETXTBSY:
        return 5;
    case ENOEXEC:
    case E2BIG:
        return 11;
    default:
        return 0;
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

void RememberCommandPrefix(const std::string& strCommand)
{
    const std::string::size_type cut = FindPlaceholder(strCommand);
    CCommandPrefix prefix;
    prefix.m_strPrefix = strCommand.substr(0, cut);
    prefix.m_bGlued = cut != std::string::npos && !prefix.m_strPrefix.empty()
        && prefix.m_strPrefix.back() != ' ';
    std::lock_guard<std::mutex> lock(g_prefixMutex);
    for (const CCommandPrefix& known : g_aPrefixes) {
        if (known.m_strPrefix == prefix.m_strPrefix && known.m_bGlued == prefix.m_bGlued)
            return;
    }
    if (g_aPrefixes.size() == c_nMaxPrefixes)
        g_aPrefixes.erase(g_aPrefixes.begin());
    g_aPrefixes.push_back(prefix);
}

int WinExec(const std::string& strCmdLine, int /*nShowCommand: windows have no start state here*/)
{
    if (strCmdLine.find_first_not_of(' ') == std::string::npos)
        return 2;
    if (HasControlByte(strCmdLine))
        return 11;
    std::vector<std::string> aArgs;
    const int nSplit = Tokenize(strCmdLine, aArgs);
    if (nSplit != 0)
        return nSplit;
    if (aArgs.empty() || aArgs[0].empty())
        return 2;
    if (DirectoryMissing(aArgs[0]))
        return 3;
    pid_t pid = 0;
    const int nError = SpawnProcess(aArgs, pid);
    if (nError == 0)
        ReapInBackground(pid);
    return MapSpawnError(nError);
}
