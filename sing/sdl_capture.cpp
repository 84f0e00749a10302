// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/sdl_capture.h"

#include "audio/audio_output.h"
#include "sing/pitch_detector.h"

#include <SDL.h>

bool CSdlCapture::Open(Callback pCallback, void* pUser)
{
    Close();
    const auto lock = AudioOutput::LockSdl();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    m_bSdlUp = true;
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sung answers");
    SDL_AudioSpec want {};
    want.freq = CPitchDetector::c_nSampleRate;
    want.format = AUDIO_F32SYS;
    want.channels = 1;
    want.samples = 512; // 10.7 ms
    want.callback = pCallback;
    want.userdata = pUser;
    SDL_AudioSpec have {};
    // No changes allowed: SDL converts whatever the source delivers to 48 kHz mono float.
    m_nDevice = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    if (m_nDevice == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_bSdlUp = false;
        return false;
    }
    SDL_PauseAudioDevice(m_nDevice, 0);
    return true;
}

bool CSdlCapture::IsLost() const
{
    return m_nDevice != 0 && SDL_GetAudioDeviceStatus(m_nDevice) == SDL_AUDIO_STOPPED;
}

void CSdlCapture::Close()
{
    if (m_nDevice == 0 && !m_bSdlUp)
        return;
    const auto lock = AudioOutput::LockSdl();
    if (m_nDevice != 0)
        SDL_CloseAudioDevice(m_nDevice);
    m_nDevice = 0;
    if (m_bSdlUp)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_bSdlUp = false;
}

std::uint64_t CSdlCapture::Stamp() const
{
    return AudioOutput::ServerStamp();
}
