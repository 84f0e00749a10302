#pragma once

#include "audio/voice_mix.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

// The process's one sound channel: one SDL audio output (22050 Hz, mono, signed 16-bit, 256-
// sample buffers of about 11.6 ms, fewer through a sound server) fed by a CVoiceMix. Play replaces
// whatever sounds (the old note fades out over 3 ms): nothing else mixes. The PCM is read in place
// by the audio callback; it must stay valid while it sounds and for the fade after it was replaced
// or stopped (the note images are resources, valid for the whole run).
//
// The output is opened, closed and reopened by a thread of its own, so that no call from the
// user-interface thread waits for a sound server (but Open and Close, which say they wait).
// When the output is lost (server restarted, device unplugged) or could not be opened, it is
// tried again while sound is wanted: at once when a server's socket or a card appears (checked
// every c_nWatchMs), else after c_nRetryMs, doubling up to c_nMaxRetryMs, so that a machine
// without sound pays next to nothing. A sound server's stream is closed after
// c_nIdleCloseMs of silence, so that the server can suspend its sink, and reopened by the
// next note. SDL's disk and dummy drivers stand for a recording or a card and stay open.
// Use from one thread only (the user-interface thread).
class CWaveOut
{
public:
    static constexpr int c_nSampleRate = 22050; // samples per second
    static constexpr int c_nBufferSamples = 256; // per callback
    // Per callback through the sound servers, which buffer a period of their own: as small
    // as keeps a recorded melody free of gaps on a busy machine, for click to sound near 10 ms.
    static constexpr int c_nPipeWireBufferSamples = 128;
    static constexpr int c_nPulseBufferSamples = 192;
    static constexpr int c_nRetryMs = 500; // first wait before another attempt
    static constexpr int c_nMaxRetryMs = 8000; // longest wait between attempts
    static constexpr int c_nWatchMs = 100; // between looks for a server or card appearing
    static constexpr int c_nIdleCloseMs = 4000; // silence before a server's stream closes
    // No callback for this long: the output is gone. A stream opened just as its server came
    // up can take one buffer and no more.
    static constexpr int c_nStallMs = 500;
    static constexpr int c_nStaleMs = 500; // a note that waited longer for the output is dropped

    static CWaveOut& Instance();

    CWaveOut(const CWaveOut&) = delete;
    CWaveOut& operator=(const CWaveOut&) = delete;

    // Opens the output now, waiting for the attempt; true when it is open. Honours
    // SDL_AUDIODRIVER.
    bool Open();
    // Asks for the output ahead of the first note and returns at once.
    void Prepare();
    // Closes the output (silencing it at once), waiting for it, and forgets a failed opening.
    void Close();
    bool IsOpen() const { return m_nDevice.load(std::memory_order_acquire) != 0; }
    // The SDL driver of the open output ("" when closed).
    std::string Driver() const;

    // Starts nSamples samples at pPcm (signed 16-bit little-endian, 22050 Hz mono), cutting off
    // the sound that plays; bLoop repeats it until the next Play or Stop. A null pPcm stops all
    // and returns true. False (silently) when there is nothing to play or no output: the first
    // Play ever waits for the first attempt to open; after a failure the output is tried
    // again in the background and a later Play sounds once it is back. A closed idle output
    // is reopened for the note, which then starts as soon as the output runs.
    bool Play(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop);
    // Silences the channel; never opens the output.
    void Stop() { Play(nullptr, 0, false); }

    // For tests and benchmarks, all written by the callback: how many sounds it has begun; the
    // steady-clock time (ns since its epoch) and the stream position (samples since the output
    // opened) at which it handed the first sample of the latest one to the device; and how
    // many samples, sound or silence, it has handed out since the output opened. Read
    // OnsetCount first: the other onset figures are published before it. OpenCount counts
    // successful openings.
    std::uint64_t OnsetCount() const { return m_nOnsetCount.load(std::memory_order_acquire); }
    std::int64_t LastOnsetNs() const { return m_nLastOnsetNs.load(std::memory_order_relaxed); }
    std::uint64_t LastOnsetSample() const
    {
        return m_nLastOnsetSample.load(std::memory_order_relaxed);
    }
    std::uint64_t SamplesOut() const { return m_nSamplesOut.load(std::memory_order_acquire); }
    std::uint64_t OpenCount() const { return m_nOpenCount.load(std::memory_order_acquire); }

private:
    using Clock = std::chrono::steady_clock;

    CWaveOut();
    ~CWaveOut();

    static void Callback(void* pUser, std::uint8_t* pStream, int nLen);
    void Fill(std::int16_t* pOut, std::size_t nCount);

    // The thread that owns the output; the steps below run on it without m_mutex held.
    void Run();
    void TryOpen();
    // Keeps SDL connected to the server after an idle close, for a quick reopening.
    void CloseOutput(bool bKeepDriver);
    // While open, m_mutex held: the output is lost (reported so, or its callback has not run
    // for c_nStallMs), or a server's stream has been silent long enough to close.
    bool IsLost(std::uint64_t& nLastSamples, Clock::time_point& lastProgress);
    bool IsIdle(Clock::time_point now);
    // Waits for the next request or a deadline; m_mutex held.
    void Wait(std::unique_lock<std::mutex>& lock);
    // Whether a failed output is due another attempt: its retry time has come, or a server or
    // card has appeared since; m_mutex held.
    bool IsRetryDue(Clock::time_point now) const;
    // Asks the thread for an attempt and waits until one has ended; m_mutex held.
    void AttemptAndWait(std::unique_lock<std::mutex>& lock);

    mutable std::mutex m_mutex; // guards everything below but the atomics
    std::condition_variable m_cvRequest; // to the thread
    std::condition_variable m_cvDone; // from the thread: an attempt or a close has ended
    std::thread m_thread;
    bool m_bQuit = false;
    bool m_bWanted = false; // the output should be open
    bool m_bAttempted = false; // an attempt has ended since the last Close
    bool m_bShutPending = false; // Close waits for the thread to shut SDL's audio down
    bool m_bFailed = false; // the latest attempt failed
    bool m_bKeepOpen = false; // the open driver is a recording or a card stand-in
    bool m_bFresh = false; // a note waits for its first sample
    std::uint64_t m_nAttempts = 0; // attempts ended
    std::string m_strDriver;
    Clock::time_point m_retryAt {};
    int m_nRetryMs = c_nRetryMs; // the wait after the next failed attempt
    std::uint64_t m_nFailedStamp = 0; // AudioOutput::ServerStamp at the latest failure
    Clock::time_point m_lastSoundAt {}; // latest Play or opening
    Clock::time_point m_playAt {}; // latest Play
    CVoiceMix m_mix; // read by the callback under m_mutex

    std::atomic<std::uint32_t> m_nDevice {0}; // SDL device id; 0 = not open
    std::atomic<bool> m_bThreadRaised {false}; // the callback's thread asked for real time
    std::atomic<std::uint64_t> m_nOnsetCount {0};
    std::atomic<std::int64_t> m_nLastOnsetNs {0};
    std::atomic<std::uint64_t> m_nLastOnsetSample {0};
    std::atomic<std::uint64_t> m_nSamplesOut {0};
    std::atomic<std::uint64_t> m_nOpenCount {0};
};
