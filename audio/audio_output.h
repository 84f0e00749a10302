// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <mutex>
#include <pthread.h>
#include <string>

// Finding and opening an SDL audio output for the sound channel. Without SDL_AUDIODRIVER the
// desktop's sound servers are tried first (PipeWire natively, then PulseAudio), and ALSA only
// when the machine has a sound card, so that a machine with neither stays quiet on stderr.
// The stream is labelled for desktop volume controls: application "Cantabell", its icon, and
// the role of a game. Open, Close and Shut set up or tear down SDL's audio subsystem, which the
// microphone shares: they hold the lock LockSdl gives, and so must any other code doing that.
namespace AudioOutput {

// What is asked for: mono, signed 16-bit in host order, nRate samples per second and nSamples
// per callback, or through a sound server nServerRate and nServerSamples, with nServerLatencyMs
// of buffering in a PulseAudio server (SDL would make it one callback's worth). SDL converts
// whatever the output wants, so the callback always sees this.
struct SRequest
{
    int nRate;
    int nSamples;
    int nServerRate;
    int nServerSamples;
    int nServerLatencyMs;
    void (*pCallback)(void* pUser, std::uint8_t* pStream, int nLen);
    void* pUser;
};

// Opens an output, paused; 0 when none could be opened (SDL's audio is then shut down
// again). strDriver receives the driver's name, nRate the rate the callback runs at. Without
// SDL_AUDIODRIVER, SDL's PipeWire driver is left out: the native stream stands for it.
std::uint32_t Open(const SRequest& request, std::string& strDriver, int& nRate);
// Starts the callbacks of an output Open returned.
void Start(std::uint32_t nDevice);
// Closes what Open returned (waiting for a running callback) and shuts SDL's audio down, or
// with bKeepDriver keeps it connected to its server, so that the next Open is quicker (a
// next Open that fails that way starts afresh).
void Close(std::uint32_t nDevice, bool bKeepDriver);
// Shuts down what a Close with bKeepDriver kept.
void Shut();
// Shut, then frees what SDL keeps for the calling thread; last call of a thread that used
// the functions above.
void EndThread();
// Serialises the set-up and tear-down of SDL's audio (and the hints read then), which SDL does
// not make safe between threads: the sound output's thread and the microphone's each retry on
// their own after a server restart. Never taken on an audio callback.
std::unique_lock<std::mutex> LockSdl();
// The output stopped working (the server went away or the device was unplugged).
bool IsLost(std::uint32_t nDevice);
// A stamp of where the sound servers and cards show up: the sockets of PipeWire and PulseAudio
// in the runtime folder (or where PIPEWIRE_RUNTIME_DIR, PIPEWIRE_REMOTE and PULSE_RUNTIME_PATH
// put them) and /dev/snd, by inode and modification time. It changes when a server (re)starts
// or a card is plugged in; a few stat calls, cheap enough to poll.
std::uint64_t ServerStamp();
// Whether a PipeWire server may listen: its socket exists, or where it would be is unknown.
// Where none runs, trying the native stream costs several ms of PipeWire's set-up, which a
// note waits for after every rest of the PulseAudio output; one access call decides instead.
bool MayHavePipeWire();
// Gives a thread (an audio callback's) real-time round-robin scheduling at the lowest
// priority, not passed on to child processes; true when it did. A single system call that fails
// at once without the right (CAP_SYS_NICE, or an RLIMIT_RTPRIO such as desktops grant to audio
// users): the thread then keeps the priority its driver gave it.
bool RaiseThread(pthread_t thread);

} // namespace AudioOutput
