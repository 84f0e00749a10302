#include "audio/wave_out.h"

#include "audio/audio_output.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr auto c_pollPeriod = std::chrono::milliseconds(100); // checks while the output is open

} // namespace

CWaveOut& CWaveOut::Instance()
{
    static CWaveOut waveOut;
    return waveOut;
}

CWaveOut::CWaveOut()
    : m_thread([this] { Run(); })
{ }

CWaveOut::~CWaveOut()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bQuit = true;
    }
    m_cvRequest.notify_all();
    m_thread.join();
}

bool CWaveOut::Open()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_nDevice.load() == 0)
        AttemptAndWait(lock);
    return m_nDevice.load() != 0;
}

void CWaveOut::Prepare()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_bWanted = true;
    m_cvRequest.notify_all();
}

void CWaveOut::Close()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_bWanted = false;
    m_bFailed = false;
    m_bAttempted = false;
    m_bFresh = false;
    m_nRetryMs = c_nRetryMs;
    m_mix = CVoiceMix {};
    m_bShutPending = true;
    m_cvRequest.notify_all();
    m_cvDone.wait(lock, [this] { return m_nDevice.load() == 0 && !m_bShutPending; });
}

std::string CWaveOut::Driver() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_nDevice.load() != 0 ? m_strDriver : std::string();
}

void CWaveOut::AttemptAndWait(std::unique_lock<std::mutex>& lock)
{
    m_bWanted = true;
    m_bFailed = false; // now, not at the next retry
    const std::uint64_t nAttempts = m_nAttempts;
    m_cvRequest.notify_all();
    m_cvDone.wait(lock, [&] { return m_nAttempts != nAttempts || m_nDevice.load() != 0; });
}

bool CWaveOut::Play(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (pPcm == nullptr) {
        m_mix.Stop();
        m_bFresh = false;
        return true;
    }
    if (nSamples == 0)
        return false;
    if (m_nDevice.load() == 0) {
        if (!m_bAttempted)
            AttemptAndWait(lock);
        if (m_nDevice.load() == 0 && m_bFailed) {
            m_bWanted = true; // keeps the retries going
            return false;
        }
    }
    m_mix.Start(pPcm, nSamples, bLoop);
    m_bFresh = true;
    m_playAt = m_lastSoundAt = Clock::now();
    if (m_nDevice.load() == 0) {
        m_bWanted = true;
        m_cvRequest.notify_all();
    }
    return true;
}

void CWaveOut::Callback(void* pUser, std::uint8_t* pStream, int nLen)
{
    auto* pThis = static_cast<CWaveOut*>(pUser);
    // Each opening calls back on a new thread. Some drivers (SDL's PipeWire one) leave it at
    // ordinary priority, where a busy machine makes it miss the server's deadlines.
    if (!pThis->m_bThreadRaised.exchange(true, std::memory_order_relaxed))
        AudioOutput::RaiseCallingThread();
    if (nLen > 0)
        pThis->Fill(reinterpret_cast<std::int16_t*>(pStream), static_cast<std::size_t>(nLen) / 2);
}

// Runs on SDL's audio thread: no allocation, no blocking but the short m_mutex.
void CWaveOut::Fill(std::int16_t* pOut, std::size_t nCount)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bFresh) {
        m_bFresh = false;
        const auto now = Clock::now().time_since_epoch();
        m_nLastOnsetNs.store(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count(),
            std::memory_order_relaxed);
        m_nLastOnsetSample.store(
            m_nSamplesOut.load(std::memory_order_relaxed), std::memory_order_relaxed);
        m_nOnsetCount.fetch_add(1, std::memory_order_release);
    }
    m_mix.Fill(pOut, nCount);
    m_nSamplesOut.fetch_add(nCount, std::memory_order_release);
}

void CWaveOut::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    std::uint64_t nLastSamples = 0;
    Clock::time_point lastProgress;
    while (!m_bQuit) {
        const bool bOpen = m_nDevice.load() != 0;
        const Clock::time_point now = Clock::now();
        const bool bIdle = bOpen && m_bWanted && IsIdle(now);
        if (bIdle)
            m_bWanted = false;
        if (bOpen && (!m_bWanted || IsLost(nLastSamples, lastProgress))) {
            const bool bLost = m_bWanted;
            lock.unlock();
            CloseOutput(bIdle);
            lock.lock();
            if (bLost) {
                m_bFailed = true; // try again at once, then after c_nRetryMs and longer
                m_retryAt = Clock::now();
                m_nRetryMs = c_nRetryMs;
            }
            m_cvDone.notify_all();
        } else if (!bOpen && m_bWanted && (!m_bFailed || IsRetryDue(now))) {
            lock.unlock();
            TryOpen();
            lock.lock();
            nLastSamples = 0;
            lastProgress = Clock::now();
        } else if (!bOpen && m_bShutPending) {
            lock.unlock();
            AudioOutput::Shut();
            lock.lock();
            m_bShutPending = false;
            m_cvDone.notify_all();
        } else {
            Wait(lock);
        }
    }
    lock.unlock();
    CloseOutput(false);
    AudioOutput::EndThread();
}

void CWaveOut::Wait(std::unique_lock<std::mutex>& lock)
{
    if (m_nDevice.load() != 0)
        m_cvRequest.wait_for(lock, c_pollPeriod);
    else if (m_bWanted && m_bFailed)
        m_cvRequest.wait_until(
            lock, std::min(m_retryAt, Clock::now() + std::chrono::milliseconds(c_nWatchMs)));
    else
        m_cvRequest.wait(lock);
}

void CWaveOut::TryOpen()
{
    m_nSamplesOut.store(0, std::memory_order_relaxed); // the callback starts counting anew
    m_bThreadRaised.store(false, std::memory_order_relaxed);
    const std::uint64_t nStamp = AudioOutput::ServerStamp(); // before, so as to miss nothing
    std::string strDriver;
    const std::uint32_t nDevice
        = AudioOutput::Open({c_nSampleRate, c_nBufferSamples, c_nPipeWireBufferSamples,
                                c_nPulseBufferSamples, &CWaveOut::Callback, this},
            strDriver);
    const std::lock_guard<std::mutex> lock(m_mutex);
    ++m_nAttempts;
    m_bAttempted = true;
    const Clock::time_point now = Clock::now();
    if (nDevice != 0) {
        m_strDriver = strDriver;
        m_bKeepOpen = strDriver == "disk" || strDriver == "dummy";
        m_bFailed = false;
        m_nRetryMs = c_nRetryMs;
        m_nDevice.store(nDevice, std::memory_order_release);
        m_nOpenCount.fetch_add(1, std::memory_order_release);
        if (m_lastSoundAt < now)
            m_lastSoundAt = now; // the quiet spell before an idle close starts now at the latest
        // A note that waited long for the output would sound out of time: drop it.
        if (m_bFresh && now - m_playAt > std::chrono::milliseconds(c_nStaleMs)) {
            m_mix.Stop();
            m_bFresh = false;
        }
    } else {
        static bool s_bTold = false;
        if (!s_bTold)
            std::fputs("cantabell: no sound output; the game plays silently\n", stderr);
        s_bTold = true;
        m_bFailed = true;
        if (nStamp != m_nFailedStamp)
            m_nRetryMs = c_nRetryMs; // something new turned up: look again soon
        m_nFailedStamp = nStamp;
        m_retryAt = now + std::chrono::milliseconds(m_nRetryMs);
        m_nRetryMs = std::min(2 * m_nRetryMs, c_nMaxRetryMs);
    }
    m_cvDone.notify_all();
}

void CWaveOut::CloseOutput(bool bKeepDriver)
{
    const std::uint32_t nDevice = m_nDevice.load();
    // Waits for a running callback, so the PCM is no longer read after this.
    AudioOutput::Close(nDevice, bKeepDriver);
    m_nDevice.store(0, std::memory_order_release);
}

bool CWaveOut::IsRetryDue(Clock::time_point now) const
{
    return now >= m_retryAt || AudioOutput::ServerStamp() != m_nFailedStamp;
}

bool CWaveOut::IsIdle(Clock::time_point now)
{
    return !m_bKeepOpen && !m_mix.IsSounding()
        && now - m_lastSoundAt >= std::chrono::milliseconds(c_nIdleCloseMs);
}

bool CWaveOut::IsLost(std::uint64_t& nLastSamples, Clock::time_point& lastProgress)
{
    const std::uint32_t nDevice = m_nDevice.load();
    if (AudioOutput::IsLost(nDevice))
        return true;
    if (m_bKeepOpen)
        return false;
    const std::uint64_t nSamples = m_nSamplesOut.load(std::memory_order_acquire);
    const Clock::time_point now = Clock::now();
    if (nSamples != nLastSamples) {
        nLastSamples = nSamples;
        lastProgress = now;
    }
    return now - lastProgress >= std::chrono::milliseconds(c_nStallMs);
}
