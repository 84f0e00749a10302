// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/aubio_pitch.h"
#include "sing/voice_listener.h"
#include "tests/sing/key_recorder.h"
#include "tests/sing/sing_material.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

constexpr float c_fF2Hz = 87.31f;

std::string MaterialPath(const std::string& strName)
{
    return std::string(CANTABELL_SING_MATERIAL) + "/" + strName;
}

bool IsMapped(const char* szLibrary)
{
    std::ifstream maps("/proc/self/maps");
    std::stringstream text;
    text << maps.rdbuf();
    return text.str().find(szLibrary) != std::string::npos;
}

// The keys a listener enters for a case, fed in capture-sized blocks; a key left down fails.
std::vector<int> KeysHeard(const std::string& strName, CVoiceListener& listener)
{
    SSungCase material;
    EXPECT_TRUE(material.Load(MaterialPath(strName))) << strName;
    CKeyRecorder recorder(listener);
    const std::size_t c_nBlock = 480;
    for (std::size_t n = 0; n < material.afSamples.size(); n += c_nBlock) {
        listener.Feed(material.afSamples.data() + n,
            std::min(c_nBlock, material.afSamples.size() - n), recorder);
        EXPECT_GE(recorder.m_nDown, 0);
        EXPECT_LE(recorder.m_nDown, 1);
    }
    EXPECT_EQ(recorder.m_nDown, 0) << strName << ": a key stays down after the end";
    return recorder.m_anKeys;
}

// Notes inserted, lost or changed to turn one key sequence into the other.
std::size_t EditDistance(const std::vector<int>& anA, const std::vector<int>& anB)
{
    std::vector<std::size_t> anRow(anB.size() + 1);
    for (std::size_t j = 0; j <= anB.size(); ++j)
        anRow[j] = j;
    for (std::size_t i = 1; i <= anA.size(); ++i) {
        std::size_t nDiagonal = anRow[0];
        anRow[0] = i;
        for (std::size_t j = 1; j <= anB.size(); ++j) {
            std::size_t nAbove = anRow[j];
            anRow[j] = std::min(
                {anRow[j] + 1, anRow[j - 1] + 1, nDiagonal + (anA[i - 1] == anB[j - 1] ? 0 : 1)});
            nDiagonal = nAbove;
        }
    }
    return anRow[anB.size()];
}

std::vector<int> ExpectedKeys(const std::string& strName)
{
    SSungCase material;
    EXPECT_TRUE(material.Load(MaterialPath(strName))) << strName;
    return material.Keys();
}

class SungMaterial : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        std::string strError;
        m_pListener = std::make_unique<CVoiceListener>(CAubioPitch::Create("yinfft", strError));
        ASSERT_TRUE(strError.empty()) << strError;
    }
    std::unique_ptr<CVoiceListener> m_pListener;
};

class Synthetic : public SungMaterial
{
};

class Rendered : public SungMaterial
{
};

class Unsung : public SungMaterial
{
};

} // namespace

TEST(AubioPitch, LoadsAubioAndFfmpegOnlyWhenADetectorIsMade)
{
    EXPECT_FALSE(CAubioPitch::IsLoaded());
    EXPECT_FALSE(IsMapped("libaubio")) << "mapped before any detector was made";
    EXPECT_FALSE(IsMapped("libavcodec"));
    std::string strError;
    auto pDetector = CAubioPitch::Create("yinfft", strError);
    ASSERT_TRUE(pDetector) << strError;
    EXPECT_TRUE(CAubioPitch::IsLoaded());
    EXPECT_TRUE(IsMapped("libaubio"));
    // A method aubio does not know is a clear failure, not a detector that finds nothing.
    EXPECT_FALSE(CAubioPitch::Create("no-such-method", strError));
    EXPECT_NE(strError.find("no-such-method"), std::string::npos);
}

// A detector that takes an overtone for the pitch on every other hop, as a low choir may throw
// it: the window still repeats at the pitch heard, which goes on.
TEST(VoiceListener, KeepsThePitchWhenTheDetectorSlipsForAHop)
{
    class CSlipping : public CPitchDetector
    {
    public:
        float Detect(const float*) override { return ++m_nHops % 2 ? c_fF2Hz : 5.6f * c_fF2Hz; }
        int m_nHops = 0;
    };
    CVoiceListener listener(std::make_unique<CSlipping>());
    CKeyRecorder recorder(listener);
    std::vector<float> afTone(CPitchDetector::c_nSampleRate);
    for (std::size_t i = 0; i < afTone.size(); ++i) {
        float fPhase = 2.0f * 3.14159265f * c_fF2Hz * i / CPitchDetector::c_nSampleRate;
        afTone[i] = 0.2f * std::sin(fPhase) + 0.1f * std::sin(3.0f * fPhase);
    }
    listener.Feed(afTone.data(), afTone.size(), recorder);
    EXPECT_EQ(recorder.m_anKeys, (std::vector<int> {1}));
    EXPECT_EQ(recorder.m_nDown, 1) << "released while still sung";
}

// A low sampled "oo" throws YIN-FFT up to half a semitone sharp of the period at which the
// waveform repeats (its G2 came out as G#2, a black key): every note must enter its own key.
TEST(VoiceListener, HearsALowVoiceAtThePeriodItRepeats)
{
    std::string strError;
    CVoiceListener listener(CAubioPitch::Create("yinfft", strError));
    EXPECT_EQ(KeysHeard("oohs_-1_0", listener), ExpectedKeys("oohs_-1_0"));
}

// Repeated notes, a black key between them, clipping, an offset, room noise and a glide.
TEST_P(Synthetic, EntersTheKeysSung)
{
    EXPECT_EQ(KeysHeard(GetParam(), *m_pListener), ExpectedKeys(GetParam()));
}

// Every instrument at the keyboard's octave and an octave either side, the voices two octaves
// up too. The benchmark measures the share over a larger corpus; here no melody may lose more
// than one note (a bass choir's F2 or the octave of an answer's opening E can go astray).
TEST_P(Rendered, EntersTheKeysSungButForOne)
{
    std::vector<int> anHeard = KeysHeard(GetParam(), *m_pListener);
    std::vector<int> anSung = ExpectedKeys(GetParam());
    EXPECT_LE(EditDistance(anHeard, anSung), 1u)
        << ::testing::PrintToString(anHeard) << " for " << ::testing::PrintToString(anSung);
}

TEST_P(Unsung, EntersNothing)
{
    EXPECT_TRUE(KeysHeard(GetParam(), *m_pListener).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sung, Synthetic, ::testing::Values("repeated", "clipped", "dc_offset", "noisy_room", "glide"));
INSTANTIATE_TEST_SUITE_P(Sung, Rendered,
    ::testing::Values("choir_-1_0", "choir_+0_0", "choir_+1_0", "choir_+2_0", "oohs_-1_0",
        "oohs_+0_0", "oohs_+1_0", "oohs_+2_0", "flute_-1_0", "flute_+0_0", "flute_+1_0",
        "violin_-1_0", "violin_+0_0", "violin_+1_0", "guitar_-1_0", "guitar_+0_0", "guitar_+1_0",
        "piano_-1_0", "piano_+0_0", "piano_+1_0"));
INSTANTIATE_TEST_SUITE_P(
    Sung, Unsung, ::testing::Values("silence", "dc", "white_noise", "clicks", "breath", "speech"));
