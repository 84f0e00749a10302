// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lock-free note handoff between the user-interface thread and the audio callback, and the
// note images converted to a server's rate.
#include "audio/note_handoff.h"
#include "audio/rate_images.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

// Each note posted is self-consistent (nSamplesServer = 2 * nSamples, nAtNs = 3 * nSamples)
// so that a note torn between two posts shows.
CNoteHandoff::SNote Numbered(std::size_t n, const std::uint8_t* pBase)
{
    CNoteHandoff::SNote note;
    note.pPcm = pBase;
    note.nSamples = n;
    note.pPcmServer = pBase;
    note.nSamplesServer = 2 * n;
    note.nAtNs = static_cast<std::int64_t>(3 * n);
    return note;
}

// A producer posting as fast as it can against a consumer taking as fast as it can: every note
// taken is whole, they come in the order posted, and the last one posted is never lost.
TEST(NoteHandoff, LatestNoteArrivesWholeAndInOrder)
{
    CNoteHandoff handoff;
    static const std::uint8_t s_aBase[1] = {0};
    constexpr std::size_t c_nPosts = 200000;
    std::atomic<bool> bDone {false};
    std::size_t nLast = 0;
    std::size_t nTaken = 0;
    bool bWhole = true;
    bool bOrdered = true;
    std::thread consumer([&] {
        CNoteHandoff::SNote note;
        for (bool bProducerDone = false; !bProducerDone;) {
            bProducerDone = bDone.load(std::memory_order_acquire);
            while (handoff.Take(note)) {
                bWhole = bWhole && note.nSamplesServer == 2 * note.nSamples
                    && note.nAtNs == static_cast<std::int64_t>(3 * note.nSamples);
                bOrdered = bOrdered && note.nSamples > nLast;
                nLast = note.nSamples;
                ++nTaken;
            }
        }
    });
    for (std::size_t n = 1; n <= c_nPosts; ++n)
        handoff.Post(Numbered(n, s_aBase));
    bDone.store(true, std::memory_order_release);
    consumer.join();
    EXPECT_TRUE(bWhole);
    EXPECT_TRUE(bOrdered);
    EXPECT_EQ(nLast, c_nPosts);
    EXPECT_GT(nTaken, 0u);
    CNoteHandoff::SNote note;
    EXPECT_FALSE(handoff.Take(note)) << "a note was taken twice";
}

// Notes posted while no callback runs: only the latest is taken, and Clear drops it.
TEST(NoteHandoff, OnlyTheLatestWaitingNoteIsTaken)
{
    CNoteHandoff handoff;
    static const std::uint8_t s_aBase[1] = {0};
    for (std::size_t n = 1; n <= 5; ++n)
        handoff.Post(Numbered(n, s_aBase));
    CNoteHandoff::SNote note;
    ASSERT_TRUE(handoff.Take(note));
    EXPECT_EQ(note.nSamples, 5u);
    EXPECT_FALSE(handoff.Take(note));
    handoff.Post(Numbered(7, s_aBase));
    handoff.Clear();
    EXPECT_FALSE(handoff.Take(note));
}

std::vector<std::uint8_t> Sine(double dHz, int nRate, std::size_t nCount, double dLevel)
{
    std::vector<std::uint8_t> a(2 * nCount);
    for (std::size_t i = 0; i < nCount; ++i) {
        const auto n = static_cast<std::int16_t>(
            std::lround(dLevel * std::sin(2 * M_PI * dHz * static_cast<double>(i) / nRate)));
        a[2 * i] = static_cast<std::uint8_t>(n & 0xff);
        a[2 * i + 1] = static_cast<std::uint8_t>((n >> 8) & 0xff);
    }
    return a;
}

// Rising zero crossings per second of a converted image, i.e. its frequency in Hz.
double Frequency(const std::vector<std::uint8_t>& a, int nRate)
{
    int nCrossings = 0;
    std::int16_t nPrevious = 0;
    for (std::size_t i = 0; i + 1 < a.size(); i += 2) {
        const auto n = static_cast<std::int16_t>(a[i] | a[i + 1] << 8);
        nCrossings += nPrevious < 0 && n >= 0 ? 1 : 0;
        nPrevious = n;
    }
    return nCrossings * static_cast<double>(nRate) / static_cast<double>(a.size() / 2);
}

// A note converted from 22050 to 48000 samples/s lasts as long, sounds at the same pitch and
// level, is converted once, and again when its buffer now holds other samples.
TEST(RateImages, ConvertsOnceKeepingPitchLengthAndLevel)
{
    CRateImages images;
    std::vector<std::uint8_t> aNote = Sine(220, 22050, 22050, 20000);
    const auto* pImage = images.Get(aNote.data(), aNote.size() / 2, 22050, 48000);
    ASSERT_NE(pImage, nullptr);
    EXPECT_NEAR(static_cast<double>(pImage->size() / 2), 48000.0, 48.0);
    EXPECT_NEAR(Frequency(*pImage, 48000), 220.0, 2.0);
    int nPeak = 0;
    for (std::size_t i = 0; i + 1 < pImage->size(); i += 2)
        nPeak = std::max(
            nPeak, std::abs(static_cast<std::int16_t>((*pImage)[i] | (*pImage)[i + 1] << 8)));
    EXPECT_NEAR(nPeak, 20000, 400);
    EXPECT_EQ(images.Get(aNote.data(), aNote.size() / 2, 22050, 48000), pImage);
    const std::vector<std::uint8_t> aCopy = *pImage; // the old one stays readable
    const std::vector<std::uint8_t> aHigher = Sine(330, 22050, 22050, 20000);
    std::copy(aHigher.begin(), aHigher.end(), aNote.begin()); // the same buffer, reused
    const auto* pOther = images.Get(aNote.data(), aNote.size() / 2, 22050, 48000);
    ASSERT_NE(pOther, nullptr);
    EXPECT_NEAR(Frequency(*pOther, 48000), 330.0, 2.0);
    EXPECT_EQ(*pImage, aCopy);
}

} // namespace
