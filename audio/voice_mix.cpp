// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/voice_mix.h"

#include <algorithm>

std::int16_t CVoiceMix::SampleAt(const std::uint8_t* pPcm, std::size_t nIndex)
{
    return static_cast<std::int16_t>(pPcm[2 * nIndex] | pPcm[2 * nIndex + 1] << 8);
}

void CVoiceMix::BeginFade()
{
    // A note not yet begun is dropped unheard. Cuts come between fills of at least
    // the fade's length each, so the fade of one cut has ended before the next cut.
    if (m_voice.pPcm != nullptr && m_voice.nPos > 0) {
        m_fade = m_voice;
        m_nHeld = SampleAt(m_voice.pPcm, m_voice.nPos - 1);
        m_nFadeLeft = m_nFadeSamples;
    }
    m_voice = SVoice {};
}

void CVoiceMix::Start(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop)
{
    BeginFade();
    if (pPcm != nullptr && nSamples > 0)
        m_voice = SVoice {pPcm, nSamples, 0, bLoop};
}

void CVoiceMix::Stop()
{
    BeginFade();
}

std::int32_t CVoiceMix::NextFadeSample()
{
    if (m_fade.pPcm != nullptr) {
        if (m_fade.nPos >= m_fade.nSamples && m_fade.bLoop)
            m_fade.nPos = 0;
        if (m_fade.nPos < m_fade.nSamples)
            m_nHeld = SampleAt(m_fade.pPcm, m_fade.nPos++);
        else
            m_fade.pPcm = nullptr;
    }
    return m_nHeld;
}

void CVoiceMix::Fill(std::int16_t* pOut, std::size_t nCount)
{
    for (std::size_t i = 0; i < nCount; ++i) {
        std::int32_t nValue = 0;
        if (m_voice.pPcm != nullptr) {
            if (m_voice.nPos >= m_voice.nSamples && m_voice.bLoop)
                m_voice.nPos = 0;
            if (m_voice.nPos < m_voice.nSamples) {
                nValue = SampleAt(m_voice.pPcm, m_voice.nPos++);
            } else {
                // The natural end: ramp down from the last sample if it was not silence.
                BeginFade();
                if (m_nHeld == 0) {
                    m_nFadeLeft = 0;
                    m_fade = SVoice {};
                }
            }
        }
        if (m_nFadeLeft > 0) {
            const std::int32_t nFaded = NextFadeSample();
            nValue += nFaded * static_cast<std::int32_t>(m_nFadeLeft)
                / static_cast<std::int32_t>(m_nFadeSamples + 1);
            --m_nFadeLeft;
            if (m_nFadeLeft == 0)
                m_fade = SVoice {};
        }
        pOut[i] = static_cast<std::int16_t>(std::clamp(nValue, -32768, 32767));
    }
}
