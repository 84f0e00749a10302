// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/voice_capture.h"

#include "sing/sdl_capture.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <utility>

CVoiceCapture::CVoiceCapture(std::unique_ptr<CVoiceListener> pListener, CKeySink& sink,
    std::unique_ptr<CCaptureDevice> pDevice)
    : m_pListener(std::move(pListener))
    , m_sink(sink)
    , m_pDevice(pDevice ? std::move(pDevice) : std::make_unique<CSdlCapture>())
{ }

CVoiceCapture::~CVoiceCapture()
{
    Stop();
}

void CVoiceCapture::Start(std::function<void()> fnBeforeOpen)
{
    if (m_thread.joinable())
        return;
    m_bQuit.store(false);
    m_bAttempted.store(false);
    m_bFirstFailed.store(false);
    m_thread = std::thread(&CVoiceCapture::Run, this, std::move(fnBeforeOpen));
}

CVoiceCapture::EState CVoiceCapture::State() const
{
    if (IsOpen())
        return EState::Open;
    if (!m_bAttempted.load(std::memory_order_acquire))
        return EState::Pending;
    return m_bFirstFailed.load(std::memory_order_acquire) ? EState::Failed : EState::Lost;
}

bool CVoiceCapture::WaitForDevice() const
{
    while (m_thread.joinable() && State() == EState::Pending)
        std::this_thread::sleep_for(std::chrono::milliseconds(c_nPollMs));
    return IsOpen();
}

void CVoiceCapture::Stop()
{
    if (!m_thread.joinable())
        return;
    m_bQuit.store(true);
    m_thread.join();
    CloseDevice();
    m_pListener->Release(m_sink);
}

void CVoiceCapture::SetListening(bool bListening)
{
    if (bListening && !m_bListening.load(std::memory_order_acquire))
        m_bRestart.store(true, std::memory_order_release);
    m_bListening.store(bListening, std::memory_order_release);
}

void CVoiceCapture::Callback(void* pUser, std::uint8_t* pStream, int nLen)
{
    auto* pThis = static_cast<CVoiceCapture*>(pUser);
    const auto nCount = static_cast<std::size_t>(nLen) / sizeof(float);
    std::uint64_t nWritten = pThis->m_nWritten.load(std::memory_order_relaxed);
    for (std::size_t i = 0; i < nCount; ++i) {
        float f;
        std::memcpy(&f, pStream + i * sizeof(float), sizeof(float));
        pThis->m_afRing[(nWritten + i) % c_nRing] = f;
    }
    pThis->m_nWritten.store(nWritten + nCount, std::memory_order_release);
}

bool CVoiceCapture::TryOpen()
{
    const std::uint64_t nStamp = m_pDevice->Stamp(); // before, so as to miss nothing
    m_nStamp = nStamp;
    if (m_pDevice->Open(&CVoiceCapture::Callback, this)) {
        m_bOpen.store(true, std::memory_order_release);
        m_retry.Reset();
        m_nSeen = m_nWritten.load(std::memory_order_acquire);
        m_lastProgress = Clock::now();
        return true;
    }
    m_retry.Failed(Clock::now(), nStamp);
    return false;
}

void CVoiceCapture::CloseDevice()
{
    m_bOpen.store(false, std::memory_order_release);
    m_pDevice->Close();
}

bool CVoiceCapture::IsLost(Clock::time_point now)
{
    std::uint64_t nWritten = m_nWritten.load(std::memory_order_acquire);
    if (nWritten != m_nSeen) {
        m_nSeen = nWritten;
        m_lastProgress = now;
    }
    return m_pDevice->IsLost() || now - m_lastProgress > std::chrono::milliseconds(c_nStallMs);
}

void CVoiceCapture::Run(std::function<void()> fnBeforeOpen)
{
    if (fnBeforeOpen)
        fnBeforeOpen();
    m_bFirstFailed.store(!TryOpen(), std::memory_order_release);
    m_bAttempted.store(true, std::memory_order_release);
    while (!m_bQuit.load(std::memory_order_acquire)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(c_nPollMs));
        Drain();
        Clock::time_point now = Clock::now();
        if (IsOpen()) {
            if (IsLost(now)) {
                CloseDevice();
                // A key held stays no longer than the voice that held it.
                m_pListener->Release(m_sink);
                m_retry.RetryAt(now);
            }
            continue;
        }
        if (now >= m_watchAt) {
            m_nStamp = m_pDevice->Stamp();
            m_watchAt = now + std::chrono::milliseconds(c_nWatchMs);
        }
        if (m_retry.IsDue(now, m_nStamp) && TryOpen())
            m_bFirstFailed.store(false, std::memory_order_release);
    }
}

void CVoiceCapture::Drain()
{
    if (m_bNewAnswer.exchange(false, std::memory_order_acq_rel))
        m_pListener->NewAnswer();
    std::uint64_t nWritten = m_nWritten.load(std::memory_order_acquire);
    // Fallen more than the ring behind: the oldest samples are gone.
    if (nWritten - m_nRead > c_nRing)
        m_nRead = nWritten - c_nRing;
    bool bListening = m_bListening.load(std::memory_order_acquire);
    if (!bListening) {
        m_pListener->Release(m_sink);
        m_nRead = nWritten;
        return;
    }
    if (m_bRestart.exchange(false, std::memory_order_acq_rel)) {
        // Listening starts now: what was heard before does not count.
        m_pListener->Release(m_sink);
        m_nRead = nWritten;
        return;
    }
    while (m_nRead < nWritten) {
        std::size_t nCount = static_cast<std::size_t>(
            std::min<std::uint64_t>(nWritten - m_nRead, m_afBlock.size()));
        for (std::size_t i = 0; i < nCount; ++i)
            m_afBlock[i] = m_afRing[(m_nRead + i) % c_nRing];
        m_nRead += nCount;
        m_pListener->Feed(m_afBlock.data(), nCount, m_sink);
    }
}
