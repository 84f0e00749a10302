// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The WAVE parser against well-formed and broken images. Every image lies in a buffer of
// exactly its own size, so a read past its end shows up under AddressSanitizer.
#include "sound/wave_image.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLe32(Bytes& a, std::size_t nAt, std::uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        a[nAt + i] = static_cast<std::uint8_t>(n >> (8 * i));
}

void PutLe16(Bytes& a, std::size_t nAt, std::uint16_t n)
{
    a[nAt] = static_cast<std::uint8_t>(n);
    a[nAt + 1] = static_cast<std::uint8_t>(n >> 8);
}

void AppendChunk(Bytes& a, const char* szTag, const Bytes& body)
{
    a.insert(a.end(), szTag, szTag + 4);
    a.resize(a.size() + 4);
    PutLe32(a, a.size() - 4, static_cast<std::uint32_t>(body.size()));
    a.insert(a.end(), body.begin(), body.end());
}

Bytes Format(std::size_t nSize = 18)
{
    Bytes a(nSize, 0);
    PutLe16(a, 0, 1);
    PutLe16(a, 2, 1);
    PutLe32(a, 4, 22050);
    PutLe32(a, 8, 44100);
    PutLe16(a, 12, 2);
    PutLe16(a, 14, 16);
    return a;
}

// Samples 0, 1, -2, 3, -4, ... as little-endian bytes.
Bytes Pcm(std::size_t nSamples)
{
    Bytes a(2 * nSamples);
    for (std::size_t i = 0; i < nSamples; ++i) {
        const int n = (i % 2 ? 1 : -1) * static_cast<int>(i);
        PutLe16(a, 2 * i, static_cast<std::uint16_t>(n));
    }
    return a;
}

// "RIFF" <size> "WAVE" followed by the given chunks, the size field matching.
Bytes Riff(const std::function<void(Bytes&)>& addChunks)
{
    Bytes a = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    addChunks(a);
    PutLe32(a, 4, static_cast<std::uint32_t>(a.size() - 8));
    return a;
}

Bytes Valid()
{
    return Riff([](Bytes& a) {
        AppendChunk(a, "fmt ", Format());
        AppendChunk(a, "data", Pcm(100));
    });
}

bool Parses(const Bytes& image)
{
    CWaveImage wave;
    const bool bOk = wave.Parse(image.data(), image.size());
    EXPECT_EQ(bOk, wave.IsValid());
    if (bOk) { // the samples found lie inside the image
        EXPECT_GE(wave.m_pPcm, image.data());
        EXPECT_LE(wave.m_pPcm + 2 * wave.m_nSamples, image.data() + image.size());
    }
    return bOk;
}

TEST(WaveImage, FindsTheSamplesOfAWellFormedImage)
{
    const Bytes image = Valid();
    CWaveImage wave;
    ASSERT_TRUE(wave.Parse(image.data(), image.size()));
    EXPECT_EQ(wave.m_pPcm, image.data() + 46);
    EXPECT_EQ(wave.m_nSamples, 100u);
    EXPECT_EQ(wave.Sample(0), 0);
    EXPECT_EQ(wave.Sample(1), 1);
    EXPECT_EQ(wave.Sample(2), -2);
    EXPECT_EQ(wave.Sample(99), 99);

    // A failed parse empties a view that held samples.
    const Bytes broken(image.begin(), image.end() - 1);
    EXPECT_FALSE(wave.Parse(broken.data(), broken.size()));
    EXPECT_EQ(wave.m_pPcm, nullptr);
    EXPECT_EQ(wave.m_nSamples, 0u);
    EXPECT_FALSE(wave.Parse(nullptr, 100));
}

TEST(WaveImage, AcceptsTheToleratedVariants)
{
    const struct
    {
        const char* szWhat;
        Bytes image;
    } aCase[] = {
        {"16-byte fmt chunk", Riff([](Bytes& a) {
             AppendChunk(a, "fmt ", Format(16));
             AppendChunk(a, "data", Pcm(4));
         })},
        {"other chunks around fmt", Riff([](Bytes& a) {
             AppendChunk(a, "LIST", Bytes(10, 'x'));
             AppendChunk(a, "fmt ", Format());
             AppendChunk(a, "fact", Bytes(4, 0));
             AppendChunk(a, "data", Pcm(4));
         })},
        {"bytes after the RIFF form",
            [] {
                Bytes a = Valid();
                a.insert(a.end(), {1, 2, 3});
                return a;
            }()},
        {"one sample", Riff([](Bytes& a) {
             AppendChunk(a, "fmt ", Format());
             AppendChunk(a, "data", Pcm(1));
         })},
    };
    for (const auto& c : aCase)
        EXPECT_TRUE(Parses(c.image)) << c.szWhat;
}

TEST(WaveImage, RefusesMalformedOrUnplayableImages)
{
    const auto patched = [](std::size_t nAt, std::uint32_t nValue, int nBytes) {
        Bytes a = Valid();
        if (nBytes == 4)
            PutLe32(a, nAt, nValue);
        else
            PutLe16(a, nAt, static_cast<std::uint16_t>(nValue));
        return a;
    };
    // Offsets in Valid(): RIFF size 4, fmt size 16, fields 20.., extra size 36, data size 42.
    const struct
    {
        const char* szWhat;
        Bytes image;
    } aCase[] = {
        {"empty", Bytes()},
        {"not RIFF",
            [] {
                Bytes a = Valid();
                a[0] = 'X';
                return a;
            }()},
        {"not WAVE",
            [] {
                Bytes a = Valid();
                a[11] = 'X';
                return a;
            }()},
        {"RIFF size past the end", patched(4, 300, 4)},
        {"RIFF size huge", patched(4, 0xFFFFFFFFu, 4)},
        {"RIFF size below the form type", patched(4, 2, 4)},
        {"fmt size 14", patched(16, 14, 4)},
        {"fmt size 20", patched(16, 20, 4)},
        {"extra size not 0", patched(36, 2, 2)},
        {"format tag 3 (float)", patched(20, 3, 2)},
        {"stereo", patched(22, 2, 2)},
        {"44100 samples per second", patched(24, 44100, 4)},
        {"byte rate inconsistent", patched(28, 22050, 4)},
        {"block alignment 4", patched(32, 4, 2)},
        {"8 bits", patched(34, 8, 2)},
        {"data running past the end", patched(42, 202, 4)},
        {"data size huge", patched(42, 0xFFFFFFF0u, 4)},
        {"odd data size", patched(42, 199, 4)},
        {"empty data", Riff([](Bytes& a) {
             AppendChunk(a, "fmt ", Format());
             AppendChunk(a, "data", Bytes());
         })},
        {"data before fmt", Riff([](Bytes& a) {
             AppendChunk(a, "data", Pcm(4));
             AppendChunk(a, "fmt ", Format());
         })},
        {"no data chunk", Riff([](Bytes& a) { AppendChunk(a, "fmt ", Format()); })},
        {"no fmt chunk", Riff([](Bytes& a) { AppendChunk(a, "data", Pcm(4)); })},
        {"two fmt chunks", Riff([](Bytes& a) {
             AppendChunk(a, "fmt ", Format());
             AppendChunk(a, "fmt ", Format());
             AppendChunk(a, "data", Pcm(4));
         })},
        {"odd-sized chunk", Riff([](Bytes& a) {
             AppendChunk(a, "LIST", Bytes(3, 'x'));
             a.push_back(0);
             AppendChunk(a, "fmt ", Format());
             AppendChunk(a, "data", Pcm(4));
         })},
        {"chunk header cut short",
            [] {
                Bytes a = Riff([](Bytes& b) {
                    AppendChunk(b, "fmt ", Format());
                    b.insert(b.end(), {'d', 'a', 't', 'a', 8});
                });
                return a;
            }()},
    };
    for (const auto& c : aCase)
        EXPECT_FALSE(Parses(c.image)) << c.szWhat;
}

TEST(WaveImage, RefusesEveryTruncation)
{
    const Bytes image = Valid();
    for (std::size_t n = 0; n < image.size(); ++n) {
        const Bytes cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(Parses(cut)) << n << " bytes";
    }
}

TEST(WaveImage, StaysInsideImagesWithAnyHeaderByteChanged)
{
    // Whatever a header byte holds, the parse either fails or finds samples inside the image
    // (checked in Parses).
    const Bytes image = Valid();
    for (std::size_t nAt = 0; nAt < 46; ++nAt) {
        for (const std::uint8_t nValue : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            Bytes a = image;
            a[nAt] = nValue;
            Parses(a);
        }
    }
}

} // namespace
