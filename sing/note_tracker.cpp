// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/note_tracker.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float c_fGateAbove = 4.0f; // the gate opens 12 dB above the room
constexpr float c_fGateMin = 0.003f; // and never below -50 dBFS
constexpr float c_fFloorMin = 1e-6f;
constexpr float c_fFloorRise = 1.0006f; // per hop: about 1 dB/s towards a louder room
constexpr float c_fFloorFall = 0.1f; // share of a quieter hop taken at once
constexpr float c_fMoved = 0.9f; // semitones off the pitch a note entered at: the voice moved
// A singer's own tuning: the mean offset of the notes held, followed by c_fTuningShare per note,
// moves the borders between keys with the singer, never beyond c_fMaxTuning semitones so that a
// note up to 40 cents off either way still enters its key.
constexpr float c_fTuningShare = 0.3f;
constexpr float c_fMaxTuning = 0.09f;
// A held note attacked again: its level fell below c_fDip of its peak and rose c_fRise above
// that low, and either suddenly (c_fJump times in c_nJumpHops) or with an attack the onset finder
// heard in the last c_nOnsetHops (a repeated note sung legato swells back as slowly as a voice's
// tremolo or a sampled voice's loop, but its new attack is heard). Levels are RMS over about
// 21 ms, so a low voice's own waves do not count.
constexpr float c_fDip = 0.3f;
constexpr float c_fRise = 2.5f;
constexpr float c_fJump = 2.0f;
constexpr int c_nOnsetHops = 8;

} // namespace

CNoteTracker::EEvent CNoteTracker::Hop(float fLevel, float fHz, float fPeriodicity, bool bOnset)
{
    m_bGate = UpdateGate(fLevel);
    bool bVoiced
        = m_bGate && fHz >= c_fMinHz && fHz <= c_fMaxHz && fPeriodicity >= c_fMinPeriodicity;
    m_afPitch[m_nNext] = bVoiced ? 69.0f + 12.0f * std::log2(fHz / 440.0f) : -1.0f;
    m_nNext = (m_nNext + 1) % c_nHistory;
    m_nFilled = std::min(m_nFilled + 1, c_nHistory);
    m_nUnvoiced = bVoiced ? 0 : m_nUnvoiced + 1;

    SMiddle middle = Middle();
    if (m_nNote >= 0) {
        float fNow = m_afPitch[(m_nNext + c_nHistory - 1) % c_nHistory];
        if (fNow >= 0 && std::fabs(fNow - static_cast<float>(m_nNote)) < 1.0f) {
            m_fHeldSum += fNow;
            ++m_nHeldHops;
        }
        bool bMoved
            = middle.nNear > c_nHistory / 2 && std::fabs(middle.fPitch - m_fPressed) > c_fMoved;
        if (m_nUnvoiced >= c_nBreakHops || bMoved || IsReattack(fLevel, bOnset)) {
            LearnTuning();
            // The next note must hold steady on its own, without the old one's hops.
            Reset();
            return EEvent::Release;
        }
        return EEvent::None;
    }
    if (!bVoiced || middle.nNear < c_nSteadyHops || std::fabs(middle.fSlope) > c_fMaxSlope)
        return EEvent::None;
    m_fPressed = middle.fPitch;
    m_afLevel.fill(fLevel);
    m_nSinceOnset = c_nOnsetHops + 1; // the attack of the note entered is behind it
    m_nNote = static_cast<int>(std::lround(middle.fPitch - m_fTuning));
    m_fHeldSum = 0;
    m_nHeldHops = 0;
    m_fPeak = m_fDip = fLevel;
    return EEvent::Press;
}

void CNoteTracker::LearnTuning()
{
    if (m_nHeldHops < c_nSteadyHops)
        return;
    // From the semitone nearest the mean, not from the note entered, so that a note entered
    // one off does not teach the error.
    float fMean = m_fHeldSum / static_cast<float>(m_nHeldHops);
    float fOff = fMean - std::round(fMean);
    m_fTuning += c_fTuningShare * (fOff - m_fTuning);
    m_fTuning = std::clamp(m_fTuning, -c_fMaxTuning, c_fMaxTuning);
}

void CNoteTracker::Reset()
{
    m_afPitch.fill(-1.0f);
    m_nNext = m_nFilled = 0;
    m_nNote = -1;
    m_nUnvoiced = 0;
}

bool CNoteTracker::UpdateGate(float fLevel)
{
    if (fLevel < m_fFloor)
        m_fFloor += c_fFloorFall * (fLevel - m_fFloor);
    else
        m_fFloor *= c_fFloorRise;
    m_fFloor = std::max(m_fFloor, c_fFloorMin);
    return fLevel > std::max(c_fGateAbove * m_fFloor, c_fGateMin);
}

float CNoteTracker::ClassDistance(float fA, float fB)
{
    float f = std::fmod(fA - fB, 12.0f);
    if (f > 6.0f)
        f -= 12.0f;
    else if (f < -6.0f)
        f += 12.0f;
    return f;
}

CNoteTracker::SMiddle CNoteTracker::Middle() const
{
    // Oldest first: once the ring is full its next slot holds the oldest hop.
    std::array<float, c_nHistory> afPitch;
    int nStart = m_nFilled < c_nHistory ? 0 : m_nNext;
    for (int i = 0; i < m_nFilled; ++i)
        afPitch[i] = m_afPitch[(nStart + i) % c_nHistory];

    // The pitch class most hops agree on, octave slips counting as agreement.
    SMiddle middle;
    int nCentre = -1;
    for (int i = 0; i < m_nFilled; ++i) {
        if (afPitch[i] < 0)
            continue;
        int nNear = 0;
        for (int j = 0; j < m_nFilled; ++j) {
            if (afPitch[j] >= 0
                && std::fabs(ClassDistance(afPitch[j], afPitch[i])) <= c_fSteadyWidth)
                ++nNear;
        }
        if (nNear > middle.nNear) {
            middle.nNear = nNear;
            nCentre = i;
        }
    }
    if (nCentre < 0)
        return middle;

    // Their mean offset, trend, and the octave most of them lie in (the lower on a tie).
    float fCentre = afPitch[nCentre];
    float fN = 0, fSumX = 0, fSumY = 0, fSumXX = 0, fSumXY = 0;
    std::array<int, 16> anOctaveVotes {};
    for (int i = 0; i < m_nFilled; ++i) {
        float fOffset = afPitch[i] < 0 ? 99.0f : ClassDistance(afPitch[i], fCentre);
        if (std::fabs(fOffset) > c_fSteadyWidth)
            continue;
        int nOctave = static_cast<int>(std::lround((afPitch[i] - fOffset - fCentre) / 12.0f)) + 8;
        ++anOctaveVotes[std::clamp(nOctave, 0, 15)];
        float fX = static_cast<float>(i);
        fN += 1;
        fSumX += fX;
        fSumY += fOffset;
        fSumXX += fX * fX;
        fSumXY += fX * fOffset;
    }
    int nOctave = static_cast<int>(
        std::max_element(anOctaveVotes.begin(), anOctaveVotes.end()) - anOctaveVotes.begin());
    middle.fPitch = fCentre + fSumY / fN + 12.0f * static_cast<float>(nOctave - 8);
    float fDenominator = fN * fSumXX - fSumX * fSumX;
    constexpr float c_fHopsPerSecond = 48000.0f / 256.0f;
    if (fDenominator > 0)
        middle.fSlope = (fN * fSumXY - fSumX * fSumY) / fDenominator * c_fHopsPerSecond;
    return middle;
}

bool CNoteTracker::IsReattack(float fLevel, bool bOnset)
{
    m_nSinceOnset = bOnset ? 0 : std::min(m_nSinceOnset + 1, c_nOnsetHops + 1);
    float fBefore = m_afLevel[m_nLevel];
    m_afLevel[m_nLevel] = fLevel;
    m_nLevel = (m_nLevel + 1) % c_nJumpHops;
    bool bAttack = fLevel > c_fJump * fBefore || m_nSinceOnset <= c_nOnsetHops;
    if (m_fDip < c_fDip * m_fPeak && fLevel > c_fRise * m_fDip && bAttack)
        return true;
    if (fLevel > m_fPeak)
        m_fPeak = m_fDip = fLevel;
    else
        m_fDip = std::min(m_fDip, fLevel);
    return false;
}
