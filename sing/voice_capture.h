// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/retry_backoff.h"
#include "sing/capture_device.h"
#include "sing/voice_listener.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

// The microphone of sing mode: a capture device (SDL's on the default source unless another is
// given) whose callback only copies samples into a ring (no allocation, lock or system call),
// and an analysis thread of its own that feeds them to a CVoiceListener while listening is on
// and hands its keys to a sink, on that thread. A microphone that could not be opened or was
// lost (reported so, or silent for c_nStallMs) is tried again as the sound output is: after
// c_nRetryMs, doubling up to c_nMaxRetryMs, and at once when a sound server or a card turns up
// (looked for every c_nWatchMs), so that a machine without one pays next to nothing. Samples
// that arrive while listening is off are dropped, and listening starts afresh each time it is
// switched on. Start, Stop and SetListening from one thread.
class CVoiceCapture
{
public:
    static constexpr int c_nRetryMs = 500; // first wait before another attempt
    static constexpr int c_nMaxRetryMs = 8000; // longest wait between attempts
    static constexpr int c_nWatchMs = 100; // between looks for a server or card turning up
    // No samples this long while open: lost (a busy server can take a second to start one).
    static constexpr int c_nStallMs = 2500;
    static constexpr int c_nPollMs = 10; // the analysis thread's period

    // pDevice: the microphone; null for SDL's capture device.
    CVoiceCapture(std::unique_ptr<CVoiceListener> pListener, CKeySink& sink,
        std::unique_ptr<CCaptureDevice> pDevice = nullptr);
    ~CVoiceCapture();
    CVoiceCapture(const CVoiceCapture&) = delete;
    CVoiceCapture& operator=(const CVoiceCapture&) = delete;

    // Where the microphone stands: its first opening still under way, open, not found at all
    // since the start, or lost after it was open. Failed and Lost are tried again.
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
    // Stops the thread and closes the microphone; a held key is released (as when the
    // microphone is lost).
    void Stop();
    // Whether the microphone's notes count now. Switching off releases a held key.
    void SetListening(bool bListening);
    // The next note begins a new answer (its octave is found again).
    void NewAnswer() { m_bNewAnswer.store(true, std::memory_order_release); }
    bool IsOpen() const { return m_bOpen.load(std::memory_order_acquire); }
    // Samples captured since Start (for tests and benchmarks).
    std::uint64_t SamplesIn() const { return m_nWritten.load(std::memory_order_acquire); }

private:
    static constexpr std::size_t c_nRing = 1 << 16; // 1.4 s at 48 kHz

    using Clock = std::chrono::steady_clock;

    static void Callback(void* pUser, std::uint8_t* pStream, int nLen);
    // One attempt to open the microphone; a failure sets the time of the next.
    bool TryOpen();
    void CloseDevice();
    void Run(std::function<void()> fnBeforeOpen);
    // While open: whether the device says it is lost or has sent nothing for c_nStallMs.
    bool IsLost(Clock::time_point now);
    // Moves what the callback wrote to the listener (or drops it), on the analysis thread.
    void Drain();

    std::unique_ptr<CVoiceListener> m_pListener;
    CKeySink& m_sink;
    std::unique_ptr<CCaptureDevice> m_pDevice; // the analysis thread's while it runs
    std::thread m_thread;
    std::atomic<bool> m_bQuit {false};
    std::atomic<bool> m_bListening {false};
    std::atomic<bool> m_bRestart {false}; // listening was switched on: start afresh
    std::atomic<bool> m_bNewAnswer {false};
    std::atomic<bool> m_bOpen {false};
    std::atomic<bool> m_bAttempted {false}; // the first opening has ended
    std::atomic<bool> m_bFirstFailed {false}; // and failed, and no later one has succeeded
    // The analysis thread's: when the microphone is tried again, and how it is watched.
    CRetryBackoff m_retry {c_nRetryMs, c_nMaxRetryMs};
    std::uint64_t m_nStamp = 0; // the device's stamp at the latest look
    Clock::time_point m_watchAt {}; // when to look at the stamp again
    std::uint64_t m_nSeen = 0; // m_nWritten at the latest look for a stall
    Clock::time_point m_lastProgress {}; // when it last moved

    std::array<float, c_nRing> m_afRing {}; // written by the callback only
    std::atomic<std::uint64_t> m_nWritten {0}; // samples the callback has written
    std::uint64_t m_nRead = 0; // samples the analysis thread has taken
    std::array<float, 1024> m_afBlock {}; // the analysis thread's copy out of the ring
};
