// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sing/voice_listener.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

// The microphone of sing mode: SDL's capture device on the default source (48 kHz mono),
// whose callback only copies samples into a ring (no allocation, lock or system call), and an
// analysis thread of its own that feeds them to a CVoiceListener while listening is on and
// hands its keys to a sink, on that thread. A capture that fails or is lost is opened again
// every c_nRetryMs; samples that arrive while listening is off are dropped, and listening
// starts afresh each time it is switched on. Start, Stop and SetListening from one thread.
class CVoiceCapture
{
public:
    static constexpr int c_nRetryMs = 1000; // between attempts to open a lost microphone
    // No samples this long while open: lost (a busy server can take a second to start one).
    static constexpr int c_nStallMs = 2500;
    static constexpr int c_nPollMs = 10; // the analysis thread's period

    CVoiceCapture(std::unique_ptr<CVoiceListener> pListener, CKeySink& sink);
    ~CVoiceCapture();
    CVoiceCapture(const CVoiceCapture&) = delete;
    CVoiceCapture& operator=(const CVoiceCapture&) = delete;

    // Where the microphone stands: its first opening still under way, open, not found at all
    // since the start, or lost after it was open. Failed and Lost are tried again every
    // c_nRetryMs.
    enum class EState
    {
        Pending,
        Open,
        Failed,
        Lost
    };

    // Starts the analysis thread, which opens the microphone; returns at once, so that a slow
    // sound server never stalls the caller. fnBeforeOpen runs on that thread first: SDL's audio
    // must not be set up by two threads at once, so the program lets its output open first.
    void Start(std::function<void()> fnBeforeOpen = {});
    EState State() const;
    // Waits for the first attempt to end (for tests and tools); true when the microphone is open.
    bool WaitForDevice() const;
    // Stops the thread and closes the microphone; a held key is released.
    void Stop();
    // Whether the microphone's notes count now. Switching off releases a held key.
    void SetListening(bool bListening);
    // The next note begins a new answer (its octave is found again).
    void NewAnswer() { m_bNewAnswer.store(true, std::memory_order_release); }
    bool IsOpen() const { return m_nDevice.load(std::memory_order_acquire) != 0; }
    // Samples captured since Start (for tests and benchmarks).
    std::uint64_t SamplesIn() const { return m_nWritten.load(std::memory_order_acquire); }

private:
    static constexpr std::size_t c_nRing = 1 << 16; // 1.4 s at 48 kHz

    static void Callback(void* pUser, std::uint8_t* pStream, int nLen);
    bool OpenDevice();
    void CloseDevice();
    void Run(std::function<void()> fnBeforeOpen);
    // Moves what the callback wrote to the listener (or drops it), on the analysis thread.
    void Drain();

    std::unique_ptr<CVoiceListener> m_pListener;
    CKeySink& m_sink;
    std::thread m_thread;
    std::atomic<bool> m_bQuit {false};
    std::atomic<bool> m_bListening {false};
    std::atomic<bool> m_bRestart {false}; // listening was switched on: start afresh
    std::atomic<bool> m_bNewAnswer {false};
    std::atomic<std::uint32_t> m_nDevice {0};
    std::atomic<bool> m_bAttempted {false}; // the first opening has ended
    std::atomic<bool> m_bFirstFailed {false}; // and failed, and no later one has succeeded
    bool m_bSdlUp = false;

    std::array<float, c_nRing> m_afRing {}; // written by the callback only
    std::atomic<std::uint64_t> m_nWritten {0}; // samples the callback has written
    std::uint64_t m_nRead = 0; // samples the analysis thread has taken
    std::array<float, 1024> m_afBlock {}; // the analysis thread's copy out of the ring
};
