// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The channel's mixer on synthetic notes: what a cut, a stop and a natural end sound like.
#include "audio/voice_mix.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr std::size_t c_nFade = CVoiceMix::c_nFadeSamples;

// A note image: nCount little-endian samples of a loud sine rising from zero (about 330 Hz at
// 22050 Hz),
// or of the constant dScale when bConstant is set.
std::vector<std::uint8_t> Note(std::size_t nCount, double dScale = 28000, bool bConstant = false)
{
    std::vector<std::uint8_t> a(2 * nCount);
    for (std::size_t i = 0; i < nCount; ++i) {
        const auto n = static_cast<std::int16_t>(
            bConstant ? dScale : dScale * std::sin(0.094 * static_cast<double>(i)));
        a[2 * i] = static_cast<std::uint8_t>(n & 0xff);
        a[2 * i + 1] = static_cast<std::uint8_t>((n >> 8) & 0xff);
    }
    return a;
}

std::vector<std::int16_t> Fill(CVoiceMix& mix, std::size_t nCount)
{
    std::vector<std::int16_t> a(nCount);
    mix.Fill(a.data(), a.size());
    return a;
}

int LargestStep(const std::vector<std::int16_t>& a, std::size_t nFrom, std::size_t nTo)
{
    int nLargest = 0;
    for (std::size_t i = std::max<std::size_t>(nFrom, 1); i < std::min(nTo, a.size()); ++i)
        nLargest = std::max(nLargest, std::abs(a[i] - a[i - 1]));
    return nLargest;
}

TEST(VoiceMix, CutFadesTheOldNoteWhileTheNewOneStartsAtOnce)
{
    const auto first = Note(4000);
    const auto second = Note(4000, 20000);
    CVoiceMix mix;
    mix.Start(first.data(), 4000, false);
    std::vector<std::int16_t> heard = Fill(mix, 256);
    const int nInside = LargestStep(heard, 0, heard.size());
    for (const bool bStop : {false, true}) {
        SCOPED_TRACE(bStop ? "stop" : "new note");
        if (bStop) {
            mix.Stop();
        } else {
            mix.Start(second.data(), 4000, false);
        }
        const std::vector<std::int16_t> after = Fill(mix, 256);
        // No step bigger than the notes' own slopes plus the fade's (a dead stop here, at 93 %
        // of the old note's peak, would step by about 26000).
        std::vector<std::int16_t> joined {heard.back()};
        joined.insert(joined.end(), after.begin(), after.end());
        EXPECT_LE(LargestStep(joined, 0, joined.size()),
            (bStop ? 1 : 2) * nInside + 28000 / int(c_nFade));
        // Past the fade only the new note (or silence) remains, sample-exact from its start.
        for (std::size_t i = c_nFade; i < after.size(); ++i) {
            const std::int16_t nNew
                = bStop ? 0 : static_cast<std::int16_t>(second[2 * i] | second[2 * i + 1] << 8);
            ASSERT_EQ(after[i], nNew) << i;
        }
        if (bStop) {
            EXPECT_FALSE(mix.IsSounding());
        }
        heard = after;
    }
}

TEST(VoiceMix, NaturalEndRampsDownOnlyWhenTheImageEndsAboveSilence)
{
    const auto loud = Note(100, 20000, true);
    CVoiceMix mix;
    mix.Start(loud.data(), 100, false);
    const std::vector<std::int16_t> heard = Fill(mix, 300);
    EXPECT_EQ(heard[99], 20000);
    EXPECT_LE(LargestStep(heard, 99, 300), 20000 / int(c_nFade));
    EXPECT_EQ(heard[100 + c_nFade - 1], 20000 / int(c_nFade + 1));
    EXPECT_EQ(heard[100 + c_nFade], 0);
    EXPECT_FALSE(mix.IsSounding());

    // An image that ends at zero ends there, with nothing after it.
    auto quiet = Note(100, 20000, true);
    quiet[198] = quiet[199] = 0;
    mix.Start(quiet.data(), 100, false);
    const std::vector<std::int16_t> plain = Fill(mix, 200);
    EXPECT_EQ(plain[98], 20000);
    EXPECT_TRUE(std::all_of(plain.begin() + 99, plain.end(), [](int n) { return n == 0; }));
}

TEST(VoiceMix, NoteReplacedBeforeItSoundedIsNeverHeardAndSumsSaturate)
{
    const auto low = Note(500, -30000, true);
    const auto high = Note(500, 30000, true);
    CVoiceMix mix;
    mix.Start(low.data(), 500, false);
    mix.Start(high.data(), 500, false); // low had not begun: no fade of it
    std::vector<std::int16_t> heard = Fill(mix, 256);
    EXPECT_TRUE(std::all_of(heard.begin(), heard.end(), [](int n) { return n == 30000; }));
    // The fading high note under a second high one would overflow 16 bits: it clips.
    mix.Start(high.data(), 500, true);
    heard = Fill(mix, 256);
    EXPECT_EQ(heard[0], 32767);
    EXPECT_EQ(heard[c_nFade], 30000);
    // A looping note wraps round and goes on until stopped.
    heard = Fill(mix, 1000);
    EXPECT_TRUE(std::all_of(heard.begin(), heard.end(), [](int n) { return n == 30000; }));
    EXPECT_TRUE(mix.IsSounding());
}

} // namespace
