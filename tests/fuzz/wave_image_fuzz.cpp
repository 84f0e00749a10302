// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: the WAVE image parser on arbitrary bytes. A parse that succeeds must
// describe samples lying wholly inside the image, and reading every one of them must stay there.
#include "sound/wave_image.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    // A copy of exactly nSize bytes, so that AddressSanitizer sees any read past the end.
    std::vector<std::uint8_t> image(pData, pData + nSize);
    CWaveImage wave;
    if (!wave.Parse(image.data(), image.size()))
        return 0;
    const std::uint8_t* pEnd = image.data() + image.size();
    if (wave.m_pPcm < image.data() || wave.m_nSamples == 0
        || wave.m_nSamples > static_cast<std::size_t>(pEnd - wave.m_pPcm) / 2)
        std::abort();
    long long sum = 0;
    for (std::size_t i = 0; i < wave.m_nSamples; ++i)
        sum += wave.Sample(i);
    return sum == 0x7fffffffffffLL ? 1 : 0;
}
