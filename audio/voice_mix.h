// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

// The one-channel mixer behind the sound device: one note sounds at a time, read in place from
// its image. A note cut off by the next one (or by Stop) does not stop dead: it goes on under
// the new note with its gain falling linearly to zero over its fade
// length (c_nFadeSamples unless set), while the new note
// starts at once. A note whose image does not end at zero is ramped down the same way after
// its last sample. No allocation, no locking, no system calls: Fill may run on an audio thread.
class CVoiceMix
{
public:
    static constexpr std::size_t c_nFadeSamples = 64; // 2.9 ms at 22050 Hz, the default

    // The fade's length in samples (a channel at another rate keeps it 2.9 ms long); only
    // while no Fill runs.
    void SetFadeSamples(std::size_t nFade) { m_nFadeSamples = nFade; }

    // Starts nSamples signed 16-bit little-endian samples at pPcm, fading out the sounding note.
    void Start(const std::uint8_t* pPcm, std::size_t nSamples, bool bLoop);
    // Fades out the sounding note; nothing starts.
    void Stop();
    // Writes the next nCount samples of the channel to pOut (silence where nothing sounds).
    void Fill(std::int16_t* pOut, std::size_t nCount);
    // Something is still audible: a note, or the fade of one.
    bool IsSounding() const { return m_voice.pPcm != nullptr || m_nFadeLeft > 0; }

private:
    struct SVoice
    {
        const std::uint8_t* pPcm = nullptr; // null: nothing
        std::size_t nSamples = 0;
        std::size_t nPos = 0; // next sample to hand out
        bool bLoop = false;
    };

    static std::int16_t SampleAt(const std::uint8_t* pPcm, std::size_t nIndex);
    // The next sample of the fading note, stepping it on; holds its last value past its end.
    std::int32_t NextFadeSample();
    // Moves the sounding note into the fade, replacing any older fade.
    void BeginFade();

    SVoice m_voice; // the sounding note
    SVoice m_fade; // the note being faded out
    std::int32_t m_nHeld = 0; // last sample of the faded note, held once it has run out
    std::size_t m_nFadeLeft = 0; // samples of fade still to come
    std::size_t m_nFadeSamples = c_nFadeSamples;
};
