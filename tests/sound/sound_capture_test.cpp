// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the sound channel hands to the device, recorded sample by sample with SDL's disk driver.
// Positions are taken in stream samples from the channel's own counters, never from wall-clock
// sleeps, so the checks hold however slowly the machine runs.
#include "audio/wave_out.h"
#include "sound/sound.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Samples = std::vector<std::int16_t>;

enum : int
{
    E,
    F,
    G,
    A,
    B,
    C,
    D,
    E1
};

Samples SamplesOf(const CSound& sound)
{
    Samples a(sound.m_wave.m_nSamples);
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] = sound.m_wave.Sample(i);
    return a;
}

std::size_t FirstNonZero(const Samples& a)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != 0)
            return i;
    return a.size();
}

class Capture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* const aszName[8] = {"E", "F", "G", "A", "B", "C", "D", "E1"};
        for (int k = 0; k < 8; ++k)
            ASSERT_TRUE(m_aSound[k].LoadFromResource(QString::fromLatin1(aszName[k])));
        CWaveOut::Instance().Close();
        // Parameterised cases are named "Case/n": no folder separator in the file name.
        std::string strName = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(strName.begin(), strName.end(), '/', '-');
        m_strFile = ::testing::TempDir() + "cantabell-" + strName + ".raw";
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", m_strFile.c_str(), 1);
        ASSERT_TRUE(CWaveOut::Instance().Open());
    }

    void TearDown() override
    {
        CWaveOut::Instance().Close();
        std::remove(m_strFile.c_str());
    }

    // Plays note k and returns the stream position at which its first sample went out.
    std::uint64_t PlayNote(int k, bool bLoop = false)
    {
        const std::uint64_t nBefore = CWaveOut::Instance().OnsetCount();
        EXPECT_TRUE(m_aSound[k].Play(bLoop));
        WaitFor([nBefore] { return CWaveOut::Instance().OnsetCount() > nBefore; });
        return CWaveOut::Instance().LastOnsetSample();
    }

    // Waits until the channel has handed out stream samples up to nPosition.
    void WaitUntil(std::uint64_t nPosition)
    {
        WaitFor([nPosition] { return CWaveOut::Instance().SamplesOut() >= nPosition; });
    }

    // Closes the channel (flushing the file) and returns what it recorded.
    Samples Finish()
    {
        CWaveOut::Instance().Close();
        std::ifstream file(m_strFile, std::ios::binary);
        const std::vector<char> aByte(
            (std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        Samples a(aByte.size() / 2);
        for (std::size_t i = 0; i < a.size(); ++i)
            a[i] = static_cast<std::int16_t>(static_cast<unsigned char>(aByte[2 * i])
                | static_cast<unsigned char>(aByte[2 * i + 1]) << 8);
        return a;
    }

    // File offset of stream position 0: the disk driver writes silence before the callback
    // runs. Found from the first sound, which began at stream position nOnset.
    std::size_t LeadIn(const Samples& captured, int nFirstNote, std::uint64_t nOnset)
    {
        const std::size_t nHeard = FirstNonZero(captured);
        const std::size_t nInNote = FirstNonZero(SamplesOf(m_aSound[nFirstNote]));
        EXPECT_GE(nHeard, nOnset + nInNote);
        const std::size_t nLeadIn = nHeard - nOnset - nInNote;
        EXPECT_EQ(nLeadIn % CWaveOut::c_nBufferSamples, 0u); // sounds begin on a buffer
        return nLeadIn;
    }

    std::array<CSound, 8> m_aSound;
    std::string m_strFile;

private:
    static void WaitFor(const std::function<bool()>& isDone)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!isDone()) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the channel stalled";
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
};

// One stretch of sound in the expected recording: nCount samples from note k, beginning with
// its sample nFrom, starting at stream position nAt, wrapping round the note when they run past
// its end. A faded part is the tail of a cut-off note: its gain falls from 64/65 by 1/65 a
// sample, and it sounds under whatever starts at the cut.
struct SPart
{
    int nNote;
    std::uint64_t nAt;
    std::size_t nCount;
    std::size_t nFrom = 0;
    bool bFaded = false;
};

// The fade of note k cut off nCut samples after its onset at nOnset.
SPart FadeOf(int nNote, std::uint64_t nOnset, std::size_t nCut)
{
    return {nNote, nOnset + nCut, CVoiceMix::c_nFadeSamples, nCut, true};
}

// Index of the first sample where captured differs from silence plus the parts, or -1.
long long FirstDifference(const Samples& captured, std::size_t nLeadIn,
    const std::vector<SPart>& aPart, const std::array<CSound, 8>& aSound)
{
    std::vector<std::int32_t> expected(captured.size(), 0);
    for (const SPart& part : aPart) {
        const Samples note = SamplesOf(aSound[part.nNote]);
        for (std::size_t i = 0; i < part.nCount; ++i) {
            const std::size_t nAt = nLeadIn + part.nAt + i;
            std::int32_t nValue = note[(part.nFrom + i) % note.size()];
            if (part.bFaded)
                nValue = nValue * static_cast<std::int32_t>(part.nCount - i)
                    / static_cast<std::int32_t>(part.nCount + 1);
            if (nAt < expected.size())
                expected[nAt] += nValue;
        }
    }
    for (std::size_t i = 0; i < captured.size(); ++i)
        if (captured[i] != std::clamp(expected[i], -32768, 32767))
            return static_cast<long long>(i);
    return -1;
}

TEST_F(Capture, NoteGoesOutSampleExactThenSilence)
{
    const std::size_t nA = m_aSound[A].m_wave.m_nSamples;
    const std::uint64_t nOnset = PlayNote(A);
    WaitUntil(nOnset + nA + 1024);
    const Samples captured = Finish();
    ASSERT_GE(captured.size(), nOnset + nA + 1024);
    const std::size_t nLeadIn = LeadIn(captured, A, nOnset);
    EXPECT_EQ(FirstDifference(captured, nLeadIn, {{A, nOnset, nA}}, m_aSound), -1);
}

// The second note comes about 0.1 s into the first: a different key, then the same key.
class CaptureCut : public Capture, public ::testing::WithParamInterface<int>
{
};

TEST_P(CaptureCut, NewNoteCutsOffTheSoundingOne)
{
    const int nSecond = GetParam();
    const std::uint64_t nFirst = PlayNote(A);
    WaitUntil(nFirst + 2205);
    const std::uint64_t nNext = PlayNote(nSecond);
    const std::size_t nCut = static_cast<std::size_t>(nNext - nFirst);
    EXPECT_GE(nCut, 2205u);
    EXPECT_LT(nCut, m_aSound[A].m_wave.m_nSamples);
    const std::size_t nSecondLength = m_aSound[nSecond].m_wave.m_nSamples;
    WaitUntil(nNext + nSecondLength + 512);
    const Samples captured = Finish();
    const std::size_t nLeadIn = LeadIn(captured, A, nFirst);
    EXPECT_EQ(FirstDifference(captured, nLeadIn,
                  {{A, nFirst, nCut}, FadeOf(A, nFirst, nCut), {nSecond, nNext, nSecondLength}},
                  m_aSound),
        -1);
}

INSTANTIATE_TEST_SUITE_P(SecondNote, CaptureCut, ::testing::Values(C, A));

TEST_F(Capture, LoopRepeatsUntilTheNextPlay)
{
    const std::size_t nG = m_aSound[G].m_wave.m_nSamples;
    const std::uint64_t nLoop = PlayNote(G, true);
    WaitUntil(nLoop + 2 * nG + nG / 2);
    const std::uint64_t nNext = PlayNote(E);
    const std::size_t nE = m_aSound[E].m_wave.m_nSamples;
    WaitUntil(nNext + nE + 512);
    const Samples captured = Finish();
    const std::size_t nLeadIn = LeadIn(captured, G, nLoop);
    const std::size_t nLooped = static_cast<std::size_t>(nNext - nLoop);
    EXPECT_GE(nLooped, 2 * nG + nG / 2);
    EXPECT_EQ(FirstDifference(captured, nLeadIn,
                  {{G, nLoop, nLooped}, FadeOf(G, nLoop, nLooped), {E, nNext, nE}}, m_aSound),
        -1);
}

// Each action happens about 50 ms into note A; it either silences the channel at once or
// (bSilences false) leaves A sounding to its end. Note D is made Empty before A starts when
// bEmptyD is set (a failing load, like any load, first silences the channel).
struct SSilenceCase
{
    const char* szWhat;
    bool bSilences;
    bool bEmptyD;
    std::function<void(std::array<CSound, 8>&)> act;
};

const SSilenceCase c_aSilenceCase[] = {
    {"Stop on the sounding note", true, false, [](auto& a) { a[A].Stop(); }},
    {"Stop on another note", true, false, [](auto& a) { a[D].Stop(); }},
    {"Close of another note", true, false, [](auto& a) { a[D].Close(); }},
    {"reloading another note", true, false, [](auto& a) { a[D].LoadFromResource("D"); }},
    {"destroying a loaded note", true, false,
        [](auto&) {
            auto pSound = std::make_unique<CSound>();
            pSound->LoadFromResource(QStringLiteral("F"));
        }},
    {"Play on a note that failed to load", false, true,
        [](auto& a) { EXPECT_FALSE(a[D].Play(false)); }},
};

void PrintTo(const SSilenceCase& c, std::ostream* pOut)
{
    *pOut << c.szWhat;
}

class CaptureSilence : public Capture, public ::testing::WithParamInterface<SSilenceCase>
{
};

TEST_P(CaptureSilence, WhatSilencesASoundingNote)
{
    const SSilenceCase& c = GetParam();
    SCOPED_TRACE(c.szWhat);
    if (c.bEmptyD) {
        EXPECT_FALSE(m_aSound[D].LoadFromResource(QStringLiteral("no such note")));
    }
    const std::size_t nA = m_aSound[A].m_wave.m_nSamples;
    const std::uint64_t nOnset = PlayNote(A);
    WaitUntil(nOnset + 1100);
    c.act(m_aSound);
    WaitUntil(nOnset + nA + 1024);
    const Samples captured = Finish();
    const std::size_t nLeadIn = LeadIn(captured, A, nOnset);

    // Captured: A from its onset up to a cut, its fade, then nothing but silence. Cuts fall
    // on buffer boundaries, as onsets do; a faded sample may still equal the note's.
    const Samples note = SamplesOf(m_aSound[A]);
    std::size_t nCut = 0;
    while (nCut < nA && nLeadIn + nOnset + nCut < captured.size()
        && captured[nLeadIn + nOnset + nCut] == note[nCut])
        ++nCut;
    if (c.bSilences) {
        nCut -= nCut % CWaveOut::c_nBufferSamples;
        EXPECT_GE(nCut, 1100u);
        EXPECT_LT(nCut, nA);
    } else {
        EXPECT_EQ(nCut, nA);
    }
    std::vector<SPart> aExpected {{A, nOnset, nCut}};
    if (c.bSilences)
        aExpected.push_back(FadeOf(A, nOnset, nCut));
    EXPECT_EQ(FirstDifference(captured, nLeadIn, aExpected, m_aSound), -1);
}

INSTANTIATE_TEST_SUITE_P(Actions, CaptureSilence, ::testing::ValuesIn(c_aSilenceCase));

} // namespace
