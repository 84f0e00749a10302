// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/wave_image.h"

#include <cstring>

namespace {

std::uint32_t ReadLe32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8
        | static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t ReadLe16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

bool IsTag(const std::uint8_t* p, const char* szTag)
{
    return std::memcmp(p, szTag, 4) == 0;
}

// The one sample format the player plays: mono 16-bit PCM at 22050 samples per second.
bool IsPlayableFormat(const std::uint8_t* pFmt, std::uint32_t nSize)
{
    if (nSize != 16 && nSize != 18)
        return false;
    if (nSize == 18 && ReadLe16(pFmt + 16) != 0)
        return false;
    return ReadLe16(pFmt) == 1 // PCM
        && ReadLe16(pFmt + 2) == 1 // channels
        && ReadLe32(pFmt + 4) == CWaveImage::c_nSampleRate
        && ReadLe32(pFmt + 8) == CWaveImage::c_nSampleRate * 2 // bytes per second
        && ReadLe16(pFmt + 12) == 2 // block alignment
        && ReadLe16(pFmt + 14) == 16; // bits per sample
}

} // namespace

void CWaveImage::Clear()
{
    m_pPcm = nullptr;
    m_nSamples = 0;
}

bool CWaveImage::Parse(const std::uint8_t* pImage, std::size_t nSize)
{
    Clear();
    if (pImage == nullptr || nSize < 12 || !IsTag(pImage, "RIFF") || !IsTag(pImage + 8, "WAVE"))
        return false;
    const std::uint32_t nRiffSize = ReadLe32(pImage + 4);
    if (nRiffSize < 4 || nRiffSize > nSize - 8)
        return false;
    // All offsets below are checked against nEnd, which lies inside the image.
    const std::size_t nEnd = std::size_t {8} + nRiffSize;
    std::size_t nPos = 12;
    bool bFormatSeen = false;
    while (nEnd - nPos >= 8) {
        const std::uint8_t* pChunk = pImage + nPos;
        const std::uint32_t nChunkSize = ReadLe32(pChunk + 4);
        const std::size_t nBody = nPos + 8;
        if (nChunkSize > nEnd - nBody || nChunkSize % 2 != 0)
            return false;
        if (IsTag(pChunk, "fmt ")) {
            if (bFormatSeen || !IsPlayableFormat(pImage + nBody, nChunkSize))
                return false;
            bFormatSeen = true;
        } else if (IsTag(pChunk, "data")) {
            if (!bFormatSeen || nChunkSize == 0)
                return false;
            m_pPcm = pImage + nBody;
            m_nSamples = nChunkSize / 2;
            return true;
        }
        nPos = nBody + nChunkSize;
    }
    return false;
}

std::int16_t CWaveImage::Sample(std::size_t nIndex) const
{
    const std::uint8_t* p = m_pPcm + 2 * nIndex;
    return static_cast<std::int16_t>(ReadLe16(p));
}
