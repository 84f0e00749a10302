// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/voice_capture.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <utility>

CVoiceCapture::CVoiceCapture(std::unique_ptr<CVoiceListener> pListener, CKeySink& sink)
    : m_pListener(std::move(pListener))
    , m_sink(sink)
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

bool CVoiceCapture::OpenDevice()
{
    if (!m_bSdlUp) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        m_bSdlUp = true;
    }
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sung answers");
    SDL_AudioSpec want {};
    want.freq = CPitchDetector::c_nSampleRate;
    want.format = AUDIO_F32SYS;
    want.channels = 1;
    want.samples = 512; // 10.7 ms
    want.callback = &CVoiceCapture::Callback;
    want.userdata = this;
    SDL_AudioSpec have {};
    // No changes allowed: SDL converts whatever the source delivers to 48 kHz mono float.
    SDL_AudioDeviceID nDevice = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    if (nDevice == 0)
        return false;
    m_nDevice.store(nDevice, std::memory_order_release);
    SDL_PauseAudioDevice(nDevice, 0);
    return true;
}

void CVoiceCapture::CloseDevice()
{
    std::uint32_t nDevice = m_nDevice.exchange(0);
    if (nDevice != 0)
        SDL_CloseAudioDevice(nDevice);
    if (m_bSdlUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_bSdlUp = false;
    }
}

void CVoiceCapture::Run(std::function<void()> fnBeforeOpen)
{
    using Clock = std::chrono::steady_clock;
    if (fnBeforeOpen)
        fnBeforeOpen();
    if (!OpenDevice()) {
        CloseDevice();
        m_bFirstFailed.store(true, std::memory_order_release);
    }
    m_bAttempted.store(true, std::memory_order_release);
    auto lastProgress = Clock::now();
    auto retryAt = lastProgress + std::chrono::milliseconds(c_nRetryMs);
    std::uint64_t nSeen = m_nWritten.load(std::memory_order_acquire);
    while (!m_bQuit.load(std::memory_order_acquire)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(c_nPollMs));
        Drain();
        auto now = Clock::now();
        std::uint64_t nWritten = m_nWritten.load(std::memory_order_acquire);
        if (nWritten != nSeen) {
            nSeen = nWritten;
            lastProgress = now;
        }
        std::uint32_t nDevice = m_nDevice.load(std::memory_order_acquire);
        bool bLost = nDevice != 0
            && (SDL_GetAudioDeviceStatus(nDevice) == SDL_AUDIO_STOPPED
                || now - lastProgress > std::chrono::milliseconds(c_nStallMs));
        if (bLost) {
            CloseDevice();
            retryAt = now + std::chrono::milliseconds(c_nRetryMs);
        } else if (nDevice == 0 && now >= retryAt) {
            if (OpenDevice())
                m_bFirstFailed.store(false, std::memory_order_release);
            else
                CloseDevice();
            lastProgress = now;
            retryAt = now + std::chrono::milliseconds(c_nRetryMs);
        }
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
