// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The eight note images compiled into the program: file layout, length, pitch, level, envelope.
#include "sound/wave_image.h"

#include <QResource>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr double c_dRate = 22050.0;

struct SNote
{
    const char* szName;
    int nSemitonesFromA3;
    std::size_t nSamples;
};

const SNote c_aNotes[8] = {{"E", -5, 8838}, {"F", -4, 8829}, {"G", -2, 8840}, {"A", 0, 8840},
    {"B", 2, 8819}, {"C", 3, 8815}, {"D", 5, 8826}, {"E1", 7, 8813}};

std::uint32_t Le32(const std::uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Le16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::vector<double> Samples(const QResource& resource)
{
    CWaveImage wave;
    EXPECT_TRUE(wave.Parse(resource.data(), static_cast<std::size_t>(resource.size())));
    std::vector<double> aSample(wave.m_nSamples);
    for (std::size_t i = 0; i < wave.m_nSamples; ++i)
        aSample[i] = wave.Sample(i) / 32768.0;
    return aSample;
}

// Fundamental frequency (Hz) of x[nBegin, nEnd): the first strong peak of the normalised
// autocorrelation between 100 and 500 Hz (first, so an octave below is not taken), refined
// by a parabola through the peak and its neighbours.
double Fundamental(const std::vector<double>& x, std::size_t nBegin, std::size_t nEnd)
{
    const int nMinLag = static_cast<int>(c_dRate / 500.0);
    const int nMaxLag = static_cast<int>(c_dRate / 100.0);
    const std::size_t nWindow = nEnd - nBegin - nMaxLag - 1;
    std::vector<double> r(nMaxLag + 2, 0.0);
    for (int lag = nMinLag - 1; lag <= nMaxLag + 1; ++lag) {
        double dSum = 0, dA = 0, dB = 0;
        for (std::size_t i = nBegin; i < nBegin + nWindow; ++i) {
            dSum += x[i] * x[i + lag];
            dA += x[i] * x[i];
            dB += x[i + lag] * x[i + lag];
        }
        r[lag] = dSum / std::sqrt(dA * dB);
    }
    const double dBest = *std::max_element(r.begin() + nMinLag, r.begin() + nMaxLag + 1);
    for (int lag = nMinLag; lag <= nMaxLag; ++lag) {
        if (r[lag] >= 0.9 * dBest && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) {
            const double dCurve = r[lag - 1] - 2 * r[lag] + r[lag + 1];
            const double dShift = dCurve == 0 ? 0 : 0.5 * (r[lag - 1] - r[lag + 1]) / dCurve;
            return c_dRate / (lag + dShift);
        }
    }
    return 0;
}

// Strength of frequency dHz in x[nBegin, nEnd) (Goertzel, Hann window).
double Strength(const std::vector<double>& x, std::size_t nBegin, std::size_t nEnd, double dHz)
{
    const double dPi = std::acos(-1.0);
    double dRe = 0, dIm = 0;
    const std::size_t n = nEnd - nBegin;
    for (std::size_t i = 0; i < n; ++i) {
        const double dW = 0.5 - 0.5 * std::cos(2 * dPi * i / (n - 1));
        dRe += dW * x[nBegin + i] * std::cos(2 * dPi * dHz * i / c_dRate);
        dIm += dW * x[nBegin + i] * std::sin(2 * dPi * dHz * i / c_dRate);
    }
    return std::hypot(dRe, dIm);
}

// Peak of |x| in the 10 ms window starting at dSeconds, relative to dPeak.
double LevelAt(const std::vector<double>& x, double dSeconds, double dPeak)
{
    const std::size_t nBegin = static_cast<std::size_t>(dSeconds * c_dRate);
    const std::size_t nEnd = std::min(x.size(), nBegin + 221);
    double dMax = 0;
    for (std::size_t i = nBegin; i < nEnd; ++i)
        dMax = std::max(dMax, std::abs(x[i]));
    return dMax / dPeak;
}

class WaveResource : public ::testing::TestWithParam<SNote>
{
};

TEST_P(WaveResource, IsAnUncompressedMono16BitFileOfTheExpectedLength)
{
    const SNote& note = GetParam();
    const QResource resource(QStringLiteral(":/WAVE/") + QString::fromLatin1(note.szName));
    ASSERT_TRUE(resource.isValid());
    EXPECT_EQ(resource.compressionAlgorithm(), QResource::NoCompression);
    const std::size_t nDataBytes = 2 * note.nSamples;
    ASSERT_EQ(static_cast<std::size_t>(resource.size()), 46 + nDataBytes);

    const std::uint8_t* p = resource.data();
    EXPECT_EQ(std::memcmp(p, "RIFF", 4), 0);
    EXPECT_EQ(Le32(p + 4), 38 + nDataBytes);
    EXPECT_EQ(std::memcmp(p + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Le32(p + 16), 18u);
    EXPECT_EQ(Le16(p + 20), 1); // PCM
    EXPECT_EQ(Le16(p + 22), 1); // channels
    EXPECT_EQ(Le32(p + 24), 22050u);
    EXPECT_EQ(Le32(p + 28), 44100u);
    EXPECT_EQ(Le16(p + 32), 2);
    EXPECT_EQ(Le16(p + 34), 16);
    EXPECT_EQ(Le16(p + 36), 0);
    EXPECT_EQ(std::memcmp(p + 38, "data", 4), 0);
    EXPECT_EQ(Le32(p + 42), nDataBytes);
}

TEST_P(WaveResource, SoundsItsNoteInEqualTemperament)
{
    const SNote& note = GetParam();
    const QResource resource(QStringLiteral(":/WAVE/") + QString::fromLatin1(note.szName));
    ASSERT_TRUE(resource.isValid());
    const std::vector<double> x = Samples(resource);
    ASSERT_EQ(x.size(), note.nSamples);

    const double dExpected = 220.0 * std::pow(2.0, note.nSemitonesFromA3 / 12.0);
    const std::size_t nBegin = static_cast<std::size_t>(0.03 * c_dRate);
    const std::size_t nEnd = static_cast<std::size_t>(0.22 * c_dRate);
    const double dMeasured = Fundamental(x, nBegin, nEnd);
    ASSERT_GT(dMeasured, 0.0);
    EXPECT_NEAR(1200.0 * std::log2(dMeasured / dExpected), 0.0, 5.0) << dMeasured << " Hz";

    // A rich tone, not a sine: the second or third harmonic rivals the fundamental.
    const double dFirst = Strength(x, nBegin, nEnd, dExpected);
    const double dOvertone = std::max(
        Strength(x, nBegin, nEnd, 2 * dExpected), Strength(x, nBegin, nEnd, 3 * dExpected));
    EXPECT_GE(dOvertone, 0.6 * dFirst);
}

TEST_P(WaveResource, HasTheNoteEnvelopeWithoutClicks)
{
    const SNote& note = GetParam();
    const QResource resource(QStringLiteral(":/WAVE/") + QString::fromLatin1(note.szName));
    ASSERT_TRUE(resource.isValid());
    const std::vector<double> x = Samples(resource);
    ASSERT_FALSE(x.empty());

    double dPeak = 0;
    for (const double d : x)
        dPeak = std::max(dPeak, std::abs(d));
    EXPECT_GE(dPeak, 0.75);
    EXPECT_LE(dPeak, 0.95);

    double dFirstFull = -1; // seconds until the level is within 10 % of the peak
    for (double t = 0; t < 0.2 && dFirstFull < 0; t += 0.005)
        if (LevelAt(x, t, dPeak) >= 0.9)
            dFirstFull = t;
    EXPECT_GE(dFirstFull, 0.0);
    EXPECT_LE(dFirstFull, 0.07); // so the full level falls inside the first 80 ms
    EXPECT_GE(LevelAt(x, 0.21, dPeak), 0.45); // held, slowly falling
    const double dAt300 = LevelAt(x, 0.30, dPeak);
    EXPECT_GE(dAt300, 0.10); // steep fall to a tenth .. a fifth
    EXPECT_LE(dAt300, 0.20);
    for (double t = 0.30; t < 0.39; t += 0.01)
        EXPECT_LE(LevelAt(x, t, dPeak), 0.20) << "tail at " << t << " s";

    // Starts and ends at (or next to) zero: no click.
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_LE(std::abs(x[i]), 0.01);
        EXPECT_LE(std::abs(x[x.size() - 1 - i]), 0.01);
    }
}

INSTANTIATE_TEST_SUITE_P(Notes, WaveResource, ::testing::ValuesIn(c_aNotes),
    [](const ::testing::TestParamInfo<SNote>& info) { return std::string(info.param.szName); });

} // namespace
