// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/wave_out.h"

#include "audio/audio_output.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <pthread.h>
#include <utility>

namespace {

constexpr auto c_pollPeriod = std::chrono::milliseconds(100); // checks while the output is open
constexpr auto c_raiseWait = std::chrono::milliseconds(50); // for the first callback after opening

std::int64_t NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The native stream stands for SDL's PipeWire driver unless SDL_AUDIODRIVER chooses.
bool NativeWanted()
{
    const char* szDriver = std::getenv("SDL_AUDIODRIVER");
    return szDriver == nullptr || *szDriver == '\0';
}

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
    if (m_eState == EState::Resting || m_eState == EState::Waking) {
        m_eState = EState::Waking;
        m_cvRequest.notify_all();
        m_cvDone.wait(lock, [this] { return m_eState != EState::Waking; });
    }
    if (m_eState != EState::Open)
        AttemptAndWait(lock);
    return m_eState == EState::Open;
}

void CWaveOut::Prepare()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_eState == EState::Closed)
        m_eState = EState::Opening;
    m_cvRequest.notify_all();
}

void CWaveOut::Close()
{
    Post(nullptr, 0, false); // silent at once, while the thread closes
    std::unique_lock<std::mutex> lock(m_mutex);
    m_eState = EState::Shutting;
    m_retry.Reset();
    m_cvRequest.notify_all();
    m_cvDone.wait(lock, [this] { return m_eState == EState::Closed; });
}

std::string CWaveOut::Driver() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_eState == EState::Open ? m_strDriver : std::string();
}

void CWaveOut::SetSilenceNotice(std::string strNotice)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_strSilenceNotice = std::move(strNotice);
}

void CWaveOut::AttemptAndWait(std::unique_lock<std::mutex>& lock)
{
    m_eState = EState::Opening; // now, not at the next retry
    const std::uint64_t nAttempts = m_nAttempts;
    m_cvRequest.notify_all();
    m_cvDone.wait(lock, [&] { return m_nAttempts != nAttempts || m_eState == EState::Open; });
}

void CWaveOut::Post(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop)
{
    CNoteHandoff::SNote note;
    note.pPcm = pPcm;
    note.nSamples = nSamples;
    note.bLoop = bLoop;
    note.nAtNs = NowNs();
    if (pPcm != nullptr) {
        const auto* pServer = m_images.Get(pPcm, nSamples, c_nSampleRate, c_nServerRate);
        note.pPcmServer = pServer != nullptr ? pServer->data() : nullptr;
        note.nSamplesServer = pServer != nullptr ? pServer->size() / 2 : 0;
    }
    m_handoff.Post(note);
}

void CWaveOut::PrepareImage(const std::uint8_t* pPcm, std::size_t nSamples)
{
    if (pPcm != nullptr && nSamples > 0)
        m_images.Get(pPcm, nSamples, c_nSampleRate, c_nServerRate);
}

bool CWaveOut::Play(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop)
{
    if (pPcm == nullptr) {
        Post(nullptr, 0, false);
        return true;
    }
    if (nSamples == 0)
        return false;
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_eState == EState::Closed || m_eState == EState::Opening)
        AttemptAndWait(lock);
    if (m_eState == EState::Failed)
        return false; // the thread keeps trying
    Post(pPcm, nSamples, bLoop);
    m_lastSoundAt = Clock::now();
    if (m_eState == EState::Resting) {
        m_eState = EState::Waking;
        m_cvRequest.notify_all();
    }
    return true;
}

void CWaveOut::SdlCallback(void* pUser, std::uint8_t* pStream, int nLen)
{
    if (nLen > 0)
        static_cast<CWaveOut*>(pUser)->Fill(
            reinterpret_cast<std::int16_t*>(pStream), static_cast<std::size_t>(nLen) / 2);
}

void CWaveOut::NativeCallback(void* pUser, std::int16_t* pOut, std::size_t nCount)
{
    static_cast<CWaveOut*>(pUser)->Fill(pOut, nCount);
}

// On the audio thread: no lock, no allocation, no system call (the clock is read in user
// space).
void CWaveOut::Fill(std::int16_t* pOut, std::size_t nCount)
{
    const auto self = pthread_self();
    if (m_callbackThread.load(std::memory_order_relaxed) != self)
        m_callbackThread.store(self, std::memory_order_relaxed);
    TakeNote();
    m_mix.Fill(pOut, nCount);
    m_bSounding.store(m_mix.IsSounding(), std::memory_order_relaxed);
    m_nSamplesOut.fetch_add(nCount, std::memory_order_release);
}

void CWaveOut::TakeNote()
{
    CNoteHandoff::SNote note;
    if (!m_handoff.Take(note))
        return;
    const std::int64_t nNow = NowNs();
    const bool bServer = m_nRate.load(std::memory_order_relaxed) != c_nSampleRate;
    const std::uint8_t* pPcm = bServer ? note.pPcmServer : note.pPcm;
    // A note that waited long for the output would sound out of time: drop it.
    if (pPcm == nullptr || nNow - note.nAtNs > std::int64_t {c_nStaleMs} * 1000000) {
        m_mix.Stop();
        return;
    }
    m_mix.Start(pPcm, bServer ? note.nSamplesServer : note.nSamples, note.bLoop);
    m_nLastOnsetNs.store(nNow, std::memory_order_relaxed);
    m_nLastOnsetSample.store(
        m_nSamplesOut.load(std::memory_order_relaxed), std::memory_order_relaxed);
    m_nOnsetCount.fetch_add(1, std::memory_order_release);
}

void CWaveOut::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_bQuit)
        Step(lock);
    lock.unlock();
    CloseOutput(false);
    AudioOutput::EndThread();
}

void CWaveOut::Step(std::unique_lock<std::mutex>& lock)
{
    const Clock::time_point now = Clock::now();
    const EState eState = m_eState;
    const bool bNativeLost = m_native.IsOpen() && m_native.IsLost();
    if (eState == EState::Shutting) {
        lock.unlock();
        CloseOutput(false);
        AudioOutput::Shut();
        lock.lock();
        m_eState = EState::Closed;
        m_cvDone.notify_all();
    } else if ((eState == EState::Open && IsLost()) || (eState == EState::Resting && bNativeLost)) {
        lock.unlock();
        CloseOutput(false);
        lock.lock();
        if (m_eState == eState) {
            m_eState = EState::Failed; // try again at once, then after c_nRetryMs and longer
            m_retry.RetryAt(Clock::now());
        }
        m_cvDone.notify_all();
    } else if (eState == EState::Open && IsIdle(now)) {
        m_eState = EState::Resting;
        lock.unlock();
        Rest();
        lock.lock();
    } else if (eState == EState::Waking) {
        lock.unlock();
        Wake();
        lock.lock();
        m_nLastSamples = 0;
        m_lastProgress = Clock::now();
    } else if (eState == EState::Opening || (eState == EState::Failed && IsRetryDue(now))) {
        lock.unlock();
        TryOpen();
        lock.lock();
        m_nLastSamples = 0;
        m_lastProgress = Clock::now();
    } else {
        if (eState == EState::Open) {
            lock.unlock();
            RaiseCallbackThread();
            lock.lock();
        }
        Wait(lock);
    }
}

void CWaveOut::Wait(std::unique_lock<std::mutex>& lock)
{
    if (m_eState == EState::Open || (m_eState == EState::Resting && m_native.IsOpen()))
        m_cvRequest.wait_for(lock, c_pollPeriod);
    else if (m_eState == EState::Failed)
        m_cvRequest.wait_until(
            lock, std::min(m_retry.DueAt(), Clock::now() + std::chrono::milliseconds(c_nWatchMs)));
    else if (m_eState == EState::Closed || m_eState == EState::Resting)
        m_cvRequest.wait(lock);
}

bool CWaveOut::OpenNative()
{
    m_nRate.store(CPipeWireStream::c_nRate, std::memory_order_relaxed);
    m_mix.SetFadeSamples(CVoiceMix::c_nFadeSamples * CPipeWireStream::c_nRate / c_nSampleRate);
    return m_native.Open(&CWaveOut::NativeCallback, this);
}

void CWaveOut::TryOpen()
{
    m_nSamplesOut.store(0, std::memory_order_relaxed); // the callback starts counting anew
    m_mix = CVoiceMix {};
    m_bSounding.store(false, std::memory_order_relaxed);
    const std::uint64_t nStamp = AudioOutput::ServerStamp(); // before, so as to miss nothing
    std::string strDriver;
    bool bOpen = NativeWanted() && AudioOutput::MayHavePipeWire() && OpenNative();
    if (bOpen) {
        strDriver = "pipewire";
    } else {
        int nRate = c_nSampleRate;
        m_nDevice = AudioOutput::Open(
            {c_nSampleRate, c_nBufferSamples, c_nServerRate, c_nPulseBufferSamples,
                c_nPulseLatencyMs, &CWaveOut::SdlCallback, this},
            strDriver, nRate);
        m_nRate.store(nRate, std::memory_order_relaxed);
        m_mix.SetFadeSamples(
            CVoiceMix::c_nFadeSamples * static_cast<std::size_t>(nRate) / c_nSampleRate);
        bOpen = m_nDevice != 0;
        if (bOpen)
            AudioOutput::Start(m_nDevice);
    }
    if (bOpen)
        RaiseCallbackThread(); // before the first note can start
    const std::lock_guard<std::mutex> lock(m_mutex);
    ++m_nAttempts;
    const Clock::time_point now = Clock::now();
    if (m_eState != EState::Opening && m_eState != EState::Failed) {
        // Close came meanwhile: it finds the output open and closes it.
    } else if (bOpen) {
        m_strDriver = strDriver;
        m_bKeepOpen = strDriver == "disk" || strDriver == "dummy";
        m_eState = EState::Open;
        m_retry.Reset();
        m_bOpen.store(true, std::memory_order_release);
        m_nOpenCount.fetch_add(1, std::memory_order_release);
        if (m_lastSoundAt < now)
            m_lastSoundAt = now; // the quiet spell before resting starts now at the latest
    } else {
        static bool s_bTold = false;
        if (!s_bTold)
            std::fprintf(stderr, "cantabell: %s\n", m_strSilenceNotice.c_str());
        s_bTold = true;
        m_eState = EState::Failed;
        m_retry.Failed(now, nStamp);
    }
    m_cvDone.notify_all();
}

void CWaveOut::Rest()
{
    if (m_native.IsOpen()) {
        m_native.SetActive(false);
    } else {
        CloseOutput(true);
        m_bOpen.store(false, std::memory_order_release); // as before: a rested SDL output is closed
    }
}

void CWaveOut::Wake()
{
    if (m_native.IsOpen()) {
        m_native.SetActive(true);
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_eState == EState::Waking)
            m_eState = EState::Open;
        m_lastSoundAt = Clock::now();
        m_cvDone.notify_all();
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_eState == EState::Waking)
            m_eState = EState::Opening;
    }
    TryOpen();
}

void CWaveOut::CloseOutput(bool bKeepDriver)
{
    m_bOpen.store(false, std::memory_order_release);
    // Both wait for a running callback, so the PCM is no longer read after this.
    m_native.Close();
    AudioOutput::Close(m_nDevice, bKeepDriver);
    m_nDevice = 0;
    m_mix = CVoiceMix {};
    m_bSounding.store(false, std::memory_order_relaxed);
    m_callbackThread.store({}, std::memory_order_relaxed);
    m_raised = {};
}

void CWaveOut::RaiseCallbackThread()
{
    auto thread = m_callbackThread.load(std::memory_order_relaxed);
    if (thread == std::thread::native_handle_type {}) {
        // Just opened: the first callback comes within a cycle or two.
        const auto deadline = Clock::now() + c_raiseWait;
        while (thread == std::thread::native_handle_type {} && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            thread = m_callbackThread.load(std::memory_order_relaxed);
        }
    }
    if (thread != std::thread::native_handle_type {} && thread != m_raised) {
        AudioOutput::RaiseThread(thread);
        m_raised = thread;
    }
}

bool CWaveOut::IsRetryDue(Clock::time_point now) const
{
    return m_retry.IsDue(now, AudioOutput::ServerStamp());
}

bool CWaveOut::IsIdle(Clock::time_point now) const
{
    return !m_bKeepOpen && !m_bSounding.load(std::memory_order_relaxed)
        && now - m_lastSoundAt >= std::chrono::milliseconds(c_nIdleMs);
}

bool CWaveOut::IsLost()
{
    if (m_native.IsOpen() && m_native.IsLost())
        return true;
    if (!m_native.IsOpen() && AudioOutput::IsLost(m_nDevice))
        return true;
    if (m_bKeepOpen)
        return false;
    const std::uint64_t nSamples = m_nSamplesOut.load(std::memory_order_acquire);
    const Clock::time_point now = Clock::now();
    if (nSamples != m_nLastSamples) {
        m_nLastSamples = nSamples;
        m_lastProgress = now;
    }
    // A native stream that waits for a sink to appear is not lost, unless a note waits for it
    // too: one that the session manager never linked is opened again.
    if (m_native.IsOpen() && !m_handoff.IsPending())
        m_lastProgress = now;
    return now - m_lastProgress >= std::chrono::milliseconds(c_nStallMs);
}
