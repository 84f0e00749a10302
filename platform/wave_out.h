#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

// The process's one sound channel: a single SDL audio device (22050 Hz, mono, signed 16-bit
// little-endian, 256-sample buffers of about 11.6 ms) that runs from Open() to Close() and plays
// silence when idle. Play replaces whatever sounds: nothing mixes. The PCM is read in place by
// the audio callback; it must stay valid until it has ended, been replaced or been stopped.
// Use from one thread only (the user-interface thread); the callback runs on SDL's thread.
class CWaveOut
{
public:
    static constexpr int c_nSampleRate = 22050; // samples per second
    static constexpr int c_nBufferSamples = 256; // per callback

    static CWaveOut& Instance();

    CWaveOut(const CWaveOut&) = delete;
    CWaveOut& operator=(const CWaveOut&) = delete;

    // Opens the device once; cheap when already open. A failed opening is not retried until
    // Close(), so a machine without sound pays for it only once. Honours SDL_AUDIODRIVER.
    bool Open();
    // Closes the device (stopping any sound) and forgets a failed opening.
    void Close();
    bool IsOpen() const { return m_nDevice != 0; }

    // Starts nSamples samples at pPcm (signed 16-bit little-endian, 22050 Hz mono), cutting off
    // the sound that plays; bLoop repeats it until the next Play or Stop. A null pPcm stops all
    // and returns true. Opens the device if needed; false (silently) when there is no device or
    // nothing to play.
    bool Play(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop);
    // Silences the channel; never opens the device.
    void Stop() { Play(nullptr, 0, false); }

    // For tests and benchmarks, all written by the callback: how many sounds it has begun; the
    // steady-clock time (ns since its epoch) and the stream position (samples since Open) at
    // which it handed the first sample of the latest one to the device; and how many samples,
    // sound or silence, it has handed out since Open. Read OnsetCount first: the other onset
    // figures are published before it.
    std::uint64_t OnsetCount() const { return m_nOnsetCount.load(std::memory_order_acquire); }
    std::int64_t LastOnsetNs() const { return m_nLastOnsetNs.load(std::memory_order_relaxed); }
    std::uint64_t LastOnsetSample() const
    {
        return m_nLastOnsetSample.load(std::memory_order_relaxed);
    }
    std::uint64_t SamplesOut() const { return m_nSamplesOut.load(std::memory_order_acquire); }

private:
    CWaveOut() = default;
    ~CWaveOut();

    static void Callback(void* pUser, std::uint8_t* pStream, int nLen);
    void Fill(std::uint8_t* pStream, std::size_t nBytes);

    std::uint32_t m_nDevice = 0; // SDL device id; 0 = not open
    bool m_bFailed = false; // the last opening failed

    // The sound that plays; written under the device lock, read by the callback.
    const std::uint8_t* m_pPcm = nullptr;
    std::size_t m_nSamples = 0;
    std::size_t m_nPos = 0; // next sample to hand out
    bool m_bLoop = false;
    bool m_bFresh = false; // not yet begun by the callback

    std::atomic<std::uint64_t> m_nOnsetCount {0};
    std::atomic<std::int64_t> m_nLastOnsetNs {0};
    std::atomic<std::uint64_t> m_nLastOnsetSample {0};
    std::atomic<std::uint64_t> m_nSamplesOut {0};
};
