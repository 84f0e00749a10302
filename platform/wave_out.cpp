#include "platform/wave_out.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstring>

CWaveOut& CWaveOut::Instance()
{
    static CWaveOut waveOut;
    return waveOut;
}

CWaveOut::~CWaveOut()
{
    Close();
}

bool CWaveOut::Open()
{
    if (m_nDevice != 0)
        return true;
    if (m_bFailed)
        return false;
    m_bFailed = true;
    // Qt owns SIGINT/SIGTERM handling; SDL must not install its own.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;

    SDL_AudioSpec want {};
    want.freq = c_nSampleRate;
    // Little-endian like the WAVE data, so the callback copies bytes; SDL converts for the
    // hardware if it needs another format.
    want.format = AUDIO_S16LSB;
    want.channels = 1;
    want.samples = c_nBufferSamples;
    want.callback = &CWaveOut::Callback;
    want.userdata = this;
    SDL_AudioSpec have {};
    const SDL_AudioDeviceID nDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (nDevice == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_nDevice = nDevice;
    m_bFailed = false;
    m_nSamplesOut.store(0, std::memory_order_relaxed);
    SDL_PauseAudioDevice(m_nDevice, 0);
    return true;
}

void CWaveOut::Close()
{
    if (m_nDevice != 0) {
        // Waits for a running callback, so the PCM is no longer read after this.
        SDL_CloseAudioDevice(m_nDevice);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_nDevice = 0;
    }
    m_bFailed = false;
    m_pPcm = nullptr;
    m_nSamples = 0;
    m_nPos = 0;
    m_bLoop = false;
    m_bFresh = false;
}

bool CWaveOut::Play(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop)
{
    if (pPcm == nullptr) {
        if (m_nDevice != 0) {
            SDL_LockAudioDevice(m_nDevice);
            m_pPcm = nullptr;
            SDL_UnlockAudioDevice(m_nDevice);
        }
        return true;
    }
    if (nSamples == 0 || !Open())
        return false;
    SDL_LockAudioDevice(m_nDevice);
    m_pPcm = pPcm;
    m_nSamples = nSamples;
    m_nPos = 0;
    m_bLoop = bLoop;
    m_bFresh = true;
    SDL_UnlockAudioDevice(m_nDevice);
    return true;
}

void CWaveOut::Callback(void* pUser, std::uint8_t* pStream, int nLen)
{
    if (nLen > 0)
        static_cast<CWaveOut*>(pUser)->Fill(pStream, static_cast<std::size_t>(nLen));
}

// Runs on SDL's audio thread with the device locked: no allocation, no blocking.
void CWaveOut::Fill(std::uint8_t* pStream, std::size_t nBytes)
{
    if (m_pPcm != nullptr && m_bFresh) {
        m_bFresh = false;
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        m_nLastOnsetNs.store(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count(),
            std::memory_order_relaxed);
        m_nLastOnsetSample.store(
            m_nSamplesOut.load(std::memory_order_relaxed), std::memory_order_relaxed);
        m_nOnsetCount.fetch_add(1, std::memory_order_release);
    }
    std::size_t nDone = 0; // bytes written
    while (m_pPcm != nullptr && nBytes - nDone >= 2) {
        if (m_nPos >= m_nSamples) {
            if (!m_bLoop) {
                m_pPcm = nullptr;
                break;
            }
            m_nPos = 0;
        }
        const std::size_t nCount = std::min(m_nSamples - m_nPos, (nBytes - nDone) / 2);
        std::memcpy(pStream + nDone, m_pPcm + 2 * m_nPos, 2 * nCount);
        m_nPos += nCount;
        nDone += 2 * nCount;
    }
    std::memset(pStream + nDone, 0, nBytes - nDone);
    m_nSamplesOut.fetch_add(nBytes / 2, std::memory_order_release);
}
