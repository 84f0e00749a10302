// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/note_handoff.h"
#include "audio/pipewire_stream.h"
#include "audio/rate_images.h"
#include "audio/retry_backoff.h"
#include "audio/voice_mix.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

// The process's one sound channel: one output fed by a CVoiceMix. Through a sound server it runs at
// the server's rate (c_nServerRate; the note images are converted to it once, at their first
// Play), natively on PipeWire, else through SDL (22050 Hz for SDL's disk and dummy drivers and
// ALSA). Play replaces whatever sounds (the old note fades out over 3 ms): nothing else mixes.
// The PCM is read in place by the audio callback; it must stay valid for the whole run (the
// note images are resources). The callback takes each note through a CNoteHandoff, never a
// lock the other threads hold: it never waits for them.
//
// The output is opened, closed and reopened by a thread of its own, so that no call from the
// user-interface thread waits for a sound server (but Open and Close, which say they wait).
// When the output is lost (server restarted, device unplugged) or could not be opened, it is
// tried again while sound is wanted: at once when a server's socket or a card appears (checked
// every c_nWatchMs), else after c_nRetryMs, doubling up to c_nMaxRetryMs, so that a machine
// without sound pays next to nothing. After c_nIdleMs of silence a server's output rests, so
// that the server can suspend its sink: a native PipeWire stream is made inactive (and wakes
// within a cycle), an SDL one is closed (and reopened by the next note). SDL's disk and dummy
// drivers stand for a recording or a card and never rest.
// Use from one thread only (the user-interface thread).
class CWaveOut
{
public:
    static constexpr int c_nSampleRate = 22050; // of the note images; SDL's disk, dummy, ALSA
    static constexpr int c_nServerRate = 48000; // through PipeWire and PulseAudio
    static constexpr int c_nBufferSamples = 256; // per callback at c_nSampleRate
    // Per callback through PulseAudio (at c_nServerRate).
    static constexpr int c_nPulseBufferSamples = 256;
    // The stream's whole latency in a PulseAudio server, a quarter of it the sink's. SDL would
    // ask for one callback's worth (5.3 ms), which leaves the server's main thread, which passes
    // our data on to its real-time sink thread on ordinary scheduling, about 2.7 ms: behind
    // busy processes it is sometimes later, and the note drops out or jumps. 8 ms gives it 4 ms
    // and still sounds a click within the 10 ms a player does not notice.
    static constexpr int c_nPulseLatencyMs = 8;
    static constexpr int c_nRetryMs = 500; // first wait before another attempt
    static constexpr int c_nMaxRetryMs = 8000; // longest wait between attempts
    static constexpr int c_nWatchMs = 100; // between looks for a server or card appearing
    static constexpr int c_nIdleMs = 4000; // silence before a server's output rests
    // No callback for this long: an SDL output is gone. A stream opened just as its server
    // came up can take one buffer and no more.
    static constexpr int c_nStallMs = 500;
    static constexpr int c_nStaleMs = 500; // a note that waited longer for the output is dropped

    static CWaveOut& Instance();

    CWaveOut(const CWaveOut&) = delete;
    CWaveOut& operator=(const CWaveOut&) = delete;

    // Opens the output now, waiting for the attempt; true when it is open. Honours
    // SDL_AUDIODRIVER (set, it chooses SDL's driver and no native stream is tried).
    bool Open();
    // Asks for the output ahead of the first note and returns at once.
    void Prepare();
    // Closes the output (silencing it at once), waiting for it, and forgets a failed opening.
    void Close();
    bool IsOpen() const { return m_bOpen.load(std::memory_order_acquire); }
    // The output's driver: an SDL driver's name, or "pipewire" natively ("" when closed).
    std::string Driver() const;
    // What the one line on stderr says after "cantabell: " when the output first fails to
    // open (UTF-8; the English text unless the caller gives the player's language).
    void SetSilenceNotice(std::string strNotice);

    // Starts nSamples samples at pPcm (signed 16-bit little-endian, 22050 Hz mono), cutting off
    // the sound that plays; bLoop repeats it until the next Play or Stop. A null pPcm stops all
    // and returns true. False (silently) when there is nothing to play or no output: the first
    // Play ever waits for the first attempt to open; after a failure the output is tried
    // again in the background and a later Play sounds once it is back. A resting output is
    // woken for the note, which then starts as soon as the output runs.
    bool Play(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop);
    // Converts a note image for the servers' rate ahead of its first Play (which would do it
    // otherwise, a few ms late).
    void PrepareImage(const std::uint8_t* pPcm, std::size_t nSamples);
    // Silences the channel; never opens the output.
    void Stop() { Play(nullptr, 0, false); }

    // For tests and benchmarks, all written by the callback: how many sounds it has begun; the
    // steady-clock time (ns since its epoch) and the stream position (samples since the output
    // opened) at which it handed the first sample of the latest one to the device; and how
    // many samples, sound or silence, it has handed out since the output opened. Read
    // OnsetCount first: the other onset figures are published before it. OpenCount counts
    // successful openings (a resting output woken is not one).
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

    // Where the output is; guarded by m_mutex.
    enum class EState
    {
        Closed, // nothing open or wanted (at start, and after Close)
        Opening, // an attempt is due (Prepare, or the first Play waits for it)
        Open, // running
        Resting, // silent long enough: a native stream inactive, an SDL one closed
        Waking, // a note came while resting: to be made active or reopened
        Failed, // the latest attempt failed or the output was lost; retried while wanted
        Shutting, // Close waits for the thread to close everything
    };

    CWaveOut();
    ~CWaveOut();

    static void SdlCallback(void* pUser, std::uint8_t* pStream, int nLen);
    static void NativeCallback(void* pUser, std::int16_t* pOut, std::size_t nCount);
    void Fill(std::int16_t* pOut, std::size_t nCount);
    void TakeNote();

    // The thread that owns the output; the steps below run on it without m_mutex held
    // unless they say so.
    void Run();
    // One step for the state seen; m_mutex held on entry and exit.
    void Step(std::unique_lock<std::mutex>& lock);
    void TryOpen();
    bool OpenNative();
    // Closes what is open; bKeepDriver keeps SDL connected to its server for a quick reopening.
    void CloseOutput(bool bKeepDriver);
    // Resting or back from it: a native stream is made (in)active, an SDL one closed/opened.
    void Rest();
    void Wake();
    // Gives the callback's thread real-time scheduling once it has shown itself.
    void RaiseCallbackThread();
    // While open, m_mutex held: the output is lost (reported so, or an SDL callback has not
    // run for c_nStallMs), or it has been silent long enough to rest.
    bool IsLost();
    bool IsIdle(Clock::time_point now) const;
    // Waits for the next request or a deadline; m_mutex held.
    void Wait(std::unique_lock<std::mutex>& lock);
    // Whether a failed output is due another attempt: its retry time has come, or a server or
    // card has appeared since; m_mutex held.
    bool IsRetryDue(Clock::time_point now) const;
    // Asks the thread for an attempt and waits until one has ended; m_mutex held.
    void AttemptAndWait(std::unique_lock<std::mutex>& lock);
    void Post(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop);

    mutable std::mutex m_mutex; // guards the members up to m_handoff; never taken by the callback
    std::condition_variable m_cvRequest; // to the thread
    std::condition_variable m_cvDone; // from the thread: an attempt or a close has ended
    std::thread m_thread;
    bool m_bQuit = false;
    EState m_eState = EState::Closed;
    bool m_bKeepOpen = false; // the open driver is a recording or a card stand-in: never rests
    std::uint64_t m_nAttempts = 0; // attempts ended
    std::string m_strDriver;
    std::string m_strSilenceNotice = "no sound output; the game plays silently";
    CRetryBackoff m_retry {c_nRetryMs, c_nMaxRetryMs}; // stamped with AudioOutput::ServerStamp
    Clock::time_point m_lastSoundAt {}; // latest Play or opening

    CNoteHandoff m_handoff; // user-interface thread -> callback
    CRateImages m_images; // the note images at c_nServerRate; user-interface thread only
    CVoiceMix m_mix; // the callback's own (the output thread's while none can run)
    CPipeWireStream m_native; // the output thread's
    std::uint32_t m_nDevice = 0; // the SDL device (0: none); the output thread's
    std::thread::native_handle_type m_raised {}; // the callback thread made real-time
    std::uint64_t m_nLastSamples = 0; // SamplesOut at the latest look for a stall
    Clock::time_point m_lastProgress {}; // when it last moved

    std::atomic<bool> m_bOpen {false};
    std::atomic<int> m_nRate {c_nSampleRate}; // the open output's; set while no callback runs
    std::atomic<bool> m_bSounding {false}; // the mix was sounding at the end of the last fill
    std::atomic<std::thread::native_handle_type> m_callbackThread {};
    std::atomic<std::uint64_t> m_nOnsetCount {0};
    std::atomic<std::int64_t> m_nLastOnsetNs {0};
    std::atomic<std::uint64_t> m_nLastOnsetSample {0};
    std::atomic<std::uint64_t> m_nSamplesOut {0};
    std::atomic<std::uint64_t> m_nOpenCount {0};
};
