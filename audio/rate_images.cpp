// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/rate_images.h"

#include <algorithm>
#include <cmath>
#include <samplerate.h>

const std::vector<std::uint8_t>* CRateImages::Get(
    const std::uint8_t* pPcm, std::size_t nSamples, int nFromRate, int nToRate)
{
    const std::size_t nBytes = 2 * nSamples;
    auto found = m_images.find(pPcm);
    if (found != m_images.end()) {
        SImage& image = found->second;
        if (image.aSource.size() == nBytes
            && std::equal(pPcm, pPcm + nBytes, image.aSource.begin()))
            return image.pConverted.get();
        m_aRetired.push_back(std::move(image.pConverted));
        m_images.erase(found);
    }
    std::vector<float> aIn(nSamples);
    for (std::size_t i = 0; i < nSamples; ++i)
        aIn[i] = static_cast<std::int16_t>(pPcm[2 * i] | pPcm[2 * i + 1] << 8) / 32768.0f;
    const double dRatio = static_cast<double>(nToRate) / nFromRate;
    std::vector<float> aOut(static_cast<std::size_t>(std::ceil(nSamples * dRatio)) + 16);
    SRC_DATA data {};
    data.data_in = aIn.data();
    data.input_frames = static_cast<long>(aIn.size());
    data.data_out = aOut.data();
    data.output_frames = static_cast<long>(aOut.size());
    data.src_ratio = dRatio;
    if (src_simple(&data, SRC_SINC_BEST_QUALITY, 1) != 0)
        return nullptr;
    auto pImage = std::make_unique<std::vector<std::uint8_t>>(2 * data.output_frames_gen);
    for (long i = 0; i < data.output_frames_gen; ++i) {
        const long nValue = std::lround(std::clamp(aOut[i] * 32768.0f, -32768.0f, 32767.0f));
        (*pImage)[2 * i] = static_cast<std::uint8_t>(nValue & 0xFF);
        (*pImage)[2 * i + 1] = static_cast<std::uint8_t>((nValue >> 8) & 0xFF);
    }
    SImage& image = m_images[pPcm];
    image.aSource.assign(pPcm, pPcm + nBytes);
    image.pConverted = std::move(pImage);
    return image.pConverted.get();
}
