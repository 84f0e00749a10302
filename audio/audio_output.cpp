// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/audio_output.h"

#include "cantabell/build_info.h"

#include <SDL.h>
#include <cstdlib>
#include <cstring>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* c_szAppName = "Cantabell";
constexpr const char* c_szIconName = c_szAppId; // the desktop file's id

// Sets an environment variable for the lifetime of the object unless the user has set it,
// then restores it: the stream properties must not leak into programs we start later.
class CScopedEnv
{
public:
    CScopedEnv(const char* szName, const char* szValue)
        : m_szName(szName)
        , m_bSet(std::getenv(szName) == nullptr)
    {
        if (m_bSet)
            setenv(szName, szValue, 1);
    }
    ~CScopedEnv()
    {
        if (m_bSet)
            unsetenv(m_szName);
    }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    const char* m_szName;
    bool m_bSet;
};

// The drivers to try, in order; a null entry stands for SDL's own choice (SDL_AUDIODRIVER).
std::vector<const char*> Candidates()
{
    const char* szDriver = std::getenv("SDL_AUDIODRIVER");
    if (szDriver != nullptr && *szDriver != '\0')
        return {nullptr};
    std::vector<const char*> aDriver {"pulseaudio"};
    if (access("/dev/snd", F_OK) == 0)
        aDriver.push_back("alsa");
    return aDriver;
}

// Whether SDL runs a sound server's driver.
bool IsServer(const char* szDriver)
{
    return szDriver != nullptr
        && (std::strcmp(szDriver, "pipewire") == 0 || std::strcmp(szDriver, "pulseaudio") == 0);
}

bool g_bDriverUp = false; // SDL's audio is initialised with no device open (see Close)

// A sound server that runs but has no output yet (just restarted, its session manager or its
// sinks not back) would take a stream and never play it: open only where it lists an output.
// SDL 2.26's PipeWire driver can also deadlock when a device appears while a stream is being
// opened, which is what happens just after a server starts: with it, open only once the
// server's list of outputs has held still for c_nSteadyPolls polls c_nPollMs apart (at most
// c_nMaxPolls). Its PulseAudio driver reads the whole list before its initialisation returns,
// so there the list is final at once, and a fresh opening is 300 ms sooner.
constexpr int c_nPollMs = 100;
constexpr int c_nSteadyPolls = 3;
constexpr int c_nMaxPolls = 20;

bool HasOutput(bool bFresh)
{
    const char* szDriver = SDL_GetCurrentAudioDriver();
    if (!IsServer(szDriver))
        return true;
    const bool bWaitSteady = bFresh && std::strcmp(szDriver, "pipewire") == 0;
    int nLast = SDL_GetNumAudioDevices(0);
    for (int nSteady = bWaitSteady ? 0 : c_nSteadyPolls, nPoll = 0; nSteady < c_nSteadyPolls;
         ++nPoll) {
        if (nPoll == c_nMaxPolls)
            return false;
        SDL_Delay(c_nPollMs);
        const int nCount = SDL_GetNumAudioDevices(0);
        nSteady = nCount == nLast ? nSteady + 1 : 0;
        nLast = nCount;
    }
    return nLast != 0; // -1: the driver cannot tell
}

// bFresh: SDL's audio was just initialised, so its list of outputs may still be filling.
std::uint32_t OpenDevice(const AudioOutput::SRequest& request, bool bFresh)
{
    if (!HasOutput(bFresh))
        return 0;
    const bool bServer = IsServer(SDL_GetCurrentAudioDriver());
    SDL_AudioSpec want {};
    want.freq = bServer ? request.nServerRate : request.nRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = static_cast<Uint16>(bServer ? request.nServerSamples : request.nSamples);
    want.callback = request.pCallback;
    want.userdata = request.pUser;
    SDL_AudioSpec have {};
    return SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
}

std::uint32_t OpenWith(const char* szDriver, const AudioOutput::SRequest& request)
{
    if (szDriver != nullptr)
        SDL_SetHint(SDL_HINT_AUDIODRIVER, szDriver);
    const int nInit = SDL_InitSubSystem(SDL_INIT_AUDIO);
    if (szDriver != nullptr)
        SDL_SetHint(SDL_HINT_AUDIODRIVER, nullptr);
    if (nInit != 0)
        return 0;
    const std::uint32_t nDevice = OpenDevice(request, true);
    if (nDevice == 0)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nDevice;
}

} // namespace

std::unique_lock<std::mutex> AudioOutput::LockSdl()
{
    static std::mutex s_mutex;
    return std::unique_lock<std::mutex>(s_mutex);
}

std::uint32_t AudioOutput::Open(const SRequest& request, std::string& strDriver, int& nRate)
{
    const auto lock = LockSdl();
    // Qt owns SIGINT/SIGTERM handling; SDL must not install its own.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, c_szAppName);
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Notes");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "Game");
    // What SDL has no hint for: the icon, and the role for PulseAudio (read when SDL
    // connects), and the icon for PipeWire (read when SDL creates the stream).
    const std::string strIcon = c_szIconName;
    const CScopedEnv pulseProps(
        "PULSE_PROP", ("application.icon_name=" + strIcon + " media.role=game").c_str());
    const CScopedEnv pipeWireProps(
        "PIPEWIRE_PROPS", ("{ application.icon-name = " + strIcon + " }").c_str());
    // libpulse reads the stream's buffer length from here when it connects, in place of SDL's.
    const CScopedEnv pulseLatency(
        "PULSE_LATENCY_MSEC", std::to_string(request.nServerLatencyMs).c_str());
    std::uint32_t nDevice = 0;
    if (g_bDriverUp) {
        // Still connected to the server from the last opening: the quick way back.
        g_bDriverUp = false;
        nDevice = OpenDevice(request, false);
        if (nDevice == 0)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    for (const char* szDriver : Candidates()) {
        if (nDevice == 0)
            nDevice = OpenWith(szDriver, request);
        if (nDevice != 0) {
            const char* szName = SDL_GetCurrentAudioDriver();
            strDriver = szName != nullptr ? szName : "";
            nRate = IsServer(szName) ? request.nServerRate : request.nRate;
            return nDevice;
        }
    }
    strDriver.clear();
    return 0;
}

void AudioOutput::Start(std::uint32_t nDevice)
{
    SDL_PauseAudioDevice(nDevice, 0);
}

void AudioOutput::Close(std::uint32_t nDevice, bool bKeepDriver)
{
    if (nDevice == 0)
        return;
    const auto lock = LockSdl();
    SDL_CloseAudioDevice(nDevice);
    if (bKeepDriver)
        g_bDriverUp = true;
    else
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void AudioOutput::Shut()
{
    const auto lock = LockSdl();
    if (g_bDriverUp)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g_bDriverUp = false;
}

void AudioOutput::EndThread()
{
    Shut();
    // SDL keeps its error text in thread-local storage that it frees only for its own threads.
    SDL_TLSCleanup();
}

bool AudioOutput::IsLost(std::uint32_t nDevice)
{
    return SDL_GetAudioDeviceStatus(nDevice) == SDL_AUDIO_STOPPED;
}

namespace {

// The value of an environment variable, or "" when it is unset.
std::string Env(const char* szName)
{
    const char* szValue = std::getenv(szName);
    return szValue != nullptr ? szValue : "";
}

// Folds a path's inode and modification time into nStamp (nothing when it does not exist).
void Stamp(const std::string& strPath, std::uint64_t& nStamp)
{
    struct stat info
    {
    };
    if (strPath.empty() || stat(strPath.c_str(), &info) != 0)
        return;
    for (const std::uint64_t nPart :
        {static_cast<std::uint64_t>(info.st_ino), static_cast<std::uint64_t>(info.st_mtim.tv_sec),
            static_cast<std::uint64_t>(info.st_mtim.tv_nsec)})
        nStamp = (nStamp ^ nPart) * 1099511628211u; // FNV-1a's prime
}

// The path of PipeWire's socket as its clients find it: PIPEWIRE_REMOTE, a name in
// PIPEWIRE_RUNTIME_DIR or XDG_RUNTIME_DIR, "pipewire-0" by default; "" when no folder is known.
std::string PipeWireSocket()
{
    std::string strPipeWire = Env("PIPEWIRE_REMOTE");
    if (strPipeWire.empty())
        strPipeWire = "pipewire-0";
    if (strPipeWire[0] == '/')
        return strPipeWire;
    std::string strDir = Env("PIPEWIRE_RUNTIME_DIR");
    if (strDir.empty())
        strDir = Env("XDG_RUNTIME_DIR");
    return strDir.empty() ? std::string() : strDir + "/" + strPipeWire;
}

} // namespace

bool AudioOutput::MayHavePipeWire()
{
    const std::string strSocket = PipeWireSocket();
    return strSocket.empty() || access(strSocket.c_str(), F_OK) == 0;
}

std::uint64_t AudioOutput::ServerStamp()
{
    const std::string strRuntime = Env("XDG_RUNTIME_DIR");
    const std::string strPipeWire = PipeWireSocket();
    std::string strPulse = Env("PULSE_RUNTIME_PATH");
    if (strPulse.empty() && !strRuntime.empty())
        strPulse = strRuntime + "/pulse";
    std::uint64_t nStamp = 14695981039346656037u; // FNV-1a's offset basis
    Stamp(strPipeWire, nStamp);
    Stamp(strPulse.empty() ? strPulse : strPulse + "/native", nStamp);
    Stamp("/dev/snd", nStamp);
    return nStamp;
}

bool AudioOutput::RaiseThread(pthread_t thread)
{
    // The lowest real-time priority is enough to run ahead of every ordinary thread (a busy
    // machine's), and stays below the servers' own threads, which must run first.
    sched_param param {};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    return pthread_setschedparam(thread, SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0;
}
