// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/wave_out.h"

#include <cstddef>
#include <cstdint>

// A view of the PCM samples inside an in-memory RIFF/WAVE file image, found by a strict,
// bounds-checked parse. The image is never copied and must outlive the view.
//
// Accepted, and nothing else: "RIFF" <size> "WAVE", then chunks of even size lying wholly
// inside the RIFF size (which itself must fit inside the image; bytes after it are ignored);
// exactly one "fmt " chunk of 16 or 18 bytes (an 18-byte one with extra-size 0) saying PCM,
// 1 channel, 22050 samples/s, 44100 bytes/s, block alignment 2, 16 bits; then a non-empty
// "data" chunk of even size. Other chunks before "data" are skipped; an odd chunk size (it
// would need a pad byte) is refused.
class CWaveImage
{
public:
    static constexpr std::uint32_t c_nSampleRate = CWaveOut::c_nSampleRate; // the channel's

    // Parses the image of nSize bytes at pImage. On failure the view is left empty.
    bool Parse(const std::uint8_t* pImage, std::size_t nSize);
    void Clear();
    bool IsValid() const { return m_pPcm != nullptr; }
    // Sample nIndex (< m_nSamples), decoded from little-endian.
    std::int16_t Sample(std::size_t nIndex) const;

    const std::uint8_t* m_pPcm = nullptr; // signed 16-bit little-endian samples, in the image
    std::size_t m_nSamples = 0;
};
