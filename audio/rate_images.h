// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// Note images converted once to another sample rate (with libsamplerate's best sinc
// converter), so that the channel can run at a sound server's own rate and nothing resamples
// while it plays. Keyed by the source image's address: sources are resources, fixed for the
// run. The converted samples stay where they are until the object goes, so a callback may go
// on reading them. An image whose samples changed since (a buffer used again) is converted
// anew. Use from one thread.
class CRateImages
{
public:
    // The image of nSamples signed 16-bit little-endian samples at pPcm (nFromRate samples/s)
    // at nToRate, converted on the first call; null when it cannot be converted.
    const std::vector<std::uint8_t>* Get(
        const std::uint8_t* pPcm, std::size_t nSamples, int nFromRate, int nToRate);

private:
    struct SImage
    {
        std::vector<std::uint8_t> aSource; // the samples converted, to tell a changed buffer
        std::unique_ptr<std::vector<std::uint8_t>> pConverted; // never moves once made
    };

    std::map<const std::uint8_t*, SImage> m_images;
    // Converted images replaced by a newer conversion: a callback may still read them.
    std::vector<std::unique_ptr<std::vector<std::uint8_t>>> m_aRetired;
};
