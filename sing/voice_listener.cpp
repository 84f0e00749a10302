// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/voice_listener.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// One-pole DC blocker: -3 dB near 38 Hz at 48 kHz, well below a bass's E2 (82 Hz).
constexpr float c_fDcPole = 0.995f;

} // namespace

CVoiceListener::CVoiceListener(std::unique_ptr<CPitchDetector> pDetector)
    : m_pDetector(std::move(pDetector))
{ }

void CVoiceListener::Feed(const float* pSamples, std::size_t nCount, CKeySink& sink)
{
    for (std::size_t i = 0; i < nCount; ++i) {
        float fIn = pSamples[i];
        if (!std::isfinite(fIn))
            fIn = 0;
        float fOut = fIn - m_fLastIn + c_fDcPole * m_fLastOut;
        m_fLastIn = fIn;
        m_fLastOut = fOut;
        m_afWindow[CPitchDetector::c_nWindow - CPitchDetector::c_nHop + m_nInHop++] = fOut;
        if (m_nInHop == CPitchDetector::c_nHop) {
            m_nInHop = 0;
            m_nFed += CPitchDetector::c_nHop;
            AnalyseHop(sink);
        }
    }
}

void CVoiceListener::Release(CKeySink& sink)
{
    m_tracker.Reset();
    if (std::exchange(m_bKeyDown, false))
        sink.KeyUp();
}

void CVoiceListener::AnalyseHop(CKeySink& sink)
{
    const float* pHop = m_afWindow.data() + CPitchDetector::c_nWindow - CPitchDetector::c_nHop;
    float fSum = 0;
    for (int i = 0; i < CPitchDetector::c_nHop; ++i)
        fSum += pHop[i] * pHop[i];
    m_afEnergy[m_nEnergy] = fSum / CPitchDetector::c_nHop;
    m_nEnergy = (m_nEnergy + 1) % c_nLevelHops;
    float fMean = 0;
    for (float f : m_afEnergy)
        fMean += f;
    float fLevel = std::sqrt(fMean / c_nLevelHops);

    float fHz = m_pDetector->Detect(pHop);
    float fPeriodicity = CheckPitch(fHz);
    m_fLastHz = fPeriodicity >= CNoteTracker::c_fMinPeriodicity ? fHz : 0.0f;
    std::copy(m_afWindow.begin() + CPitchDetector::c_nHop, m_afWindow.end(), m_afWindow.begin());
    switch (m_tracker.Hop(fLevel, fHz, fPeriodicity, m_pDetector->IsOnset())) {
    case CNoteTracker::EEvent::Press: {
        int nKey = m_fold.KeyOf(m_tracker.Note());
        if (nKey >= 0) {
            m_bKeyDown = true;
            sink.KeyDown(nKey, m_tracker.Note());
        }
        break;
    }
    case CNoteTracker::EEvent::Release:
        if (std::exchange(m_bKeyDown, false))
            sink.KeyUp();
        break;
    case CNoteTracker::EEvent::None:
        break;
    }
}

float CVoiceListener::CheckPitch(float& fHz) const
{
    if (!(fHz > 0))
        return 0;
    float fFirst = 0;
    for (int nTimes = 1; nTimes <= c_nMaxOvertone; ++nTimes) {
        int nLag = static_cast<int>(std::lround(nTimes * CPitchDetector::c_nSampleRate / fHz));
        float fPeriodicity = Periodicity(nLag);
        if (nTimes == 1)
            fFirst = fPeriodicity;
        if (fPeriodicity >= CNoteTracker::c_fMinPeriodicity) {
            fHz /= static_cast<float>(nTimes);
            return RefinePeriod(fHz, fPeriodicity);
        }
    }
    // A chorus of voices or a low voice's weak fundamental can throw the detector off for a hop
    // while the window still repeats at the period just heard: that pitch goes on.
    if (m_fLastHz > 0) {
        float fLag = CPitchDetector::c_nSampleRate / m_fLastHz;
        for (int nNudge = -c_nNudge; nNudge <= c_nNudge; ++nNudge) {
            int nLag = static_cast<int>(std::lround(fLag)) + nNudge;
            float fPeriodicity = Periodicity(nLag);
            if (fPeriodicity >= CNoteTracker::c_fMinPeriodicity) {
                fHz = static_cast<float>(CPitchDetector::c_nSampleRate) / static_cast<float>(nLag);
                return fPeriodicity;
            }
        }
    }
    return fFirst;
}

float CVoiceListener::RefinePeriod(float& fHz, float fPeriodicity) const
{
    float fLag = CPitchDetector::c_nSampleRate / fHz;
    int nLag = static_cast<int>(std::lround(fLag));
    int nStep = Periodicity(nLag + 1) > fPeriodicity ? 1
        : Periodicity(nLag - 1) > fPeriodicity       ? -1
                                                     : 0;
    if (nStep == 0)
        return fPeriodicity; // the detector's period lies within half a sample of the peak
    // Climb to the peak, no further than c_fMaxCorrection of the period.
    int nLimit = static_cast<int>(fLag * c_fMaxCorrection) + 1;
    float fBest = fPeriodicity;
    for (int n = 0; n < nLimit; ++n) {
        float f = Periodicity(nLag + nStep);
        if (f <= fBest)
            break;
        fBest = f;
        nLag += nStep;
    }
    float fBelow = Periodicity(nLag - 1);
    float fAbove = Periodicity(nLag + 1);
    if (fBelow > fBest || fAbove > fBest)
        return fPeriodicity; // no peak within reach: the detector's word stands
    // The peak between whole samples, from the parabola through the three around it.
    float fCurve = fBelow - 2.0f * fBest + fAbove;
    float fShift = fCurve < 0 ? 0.5f * (fBelow - fAbove) / fCurve : 0.0f;
    fHz = static_cast<float>(CPitchDetector::c_nSampleRate) / (static_cast<float>(nLag) + fShift);
    return fBest;
}

float CVoiceListener::Periodicity(int nLag) const
{
    int nSpan = std::max(1024, 2 * nLag);
    if (nLag < 2 || nLag + nSpan > CPitchDetector::c_nWindow)
        return 0;
    const float* pNow = m_afWindow.data() + CPitchDetector::c_nWindow - nSpan;
    const float* pBefore = pNow - nLag;
    float fCross = 0;
    float fNow = 0;
    float fBefore = 0;
    for (int i = 0; i < nSpan; ++i) {
        fCross += pNow[i] * pBefore[i];
        fNow += pNow[i] * pNow[i];
        fBefore += pBefore[i] * pBefore[i];
    }
    if (fNow <= 0 || fBefore <= 0)
        return 0;
    return std::max(0.0f, fCross / std::sqrt(fNow * fBefore));
}
