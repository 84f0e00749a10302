// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sing/note_tracker.h"
#include "sing/octave_fold.h"
#include "sing/pitch_detector.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

// Receives the keys a voice holds.
class CKeySink
{
public:
    virtual ~CKeySink() = default;
    // The voice settled on key nKey (0..7), MIDI note nNote as sung.
    virtual void KeyDown(int nKey, int nNote) = 0;
    // The voice left the key it held.
    virtual void KeyUp() = 0;
};

// Hears the keys in a stream of mono samples at CPitchDetector::c_nSampleRate: removes DC,
// cuts the stream into hops for the detector, measures the level and how periodic the sound is
// at the pitch found, and hands them to
// a CNoteTracker and its notes through a COctaveFold to the sink. A note nearest a black key
// enters nothing. Allocation-free after construction; one thread at a time.
class CVoiceListener
{
public:
    explicit CVoiceListener(std::unique_ptr<CPitchDetector> pDetector);

    // Samples in full scale -1..1 (clipping and an offset are harmless).
    void Feed(const float* pSamples, std::size_t nCount, CKeySink& sink);
    // Listening starts afresh: a held key is released (KeyUp); the room's level stays.
    void Release(CKeySink& sink);
    // The next note starts a new answer, whose octave is found again.
    void NewAnswer() { m_fold.NewAnswer(); }
    // Samples analysed since construction, up to the end of the hop in hand.
    std::uint64_t SamplesFed() const { return m_nFed; }
    const CNoteTracker& Tracker() const { return m_tracker; }

private:
    static constexpr int c_nLevelHops = 4; // the level is the RMS over 21 ms
    static constexpr int c_nMaxOvertone = 8;
    static constexpr int c_nNudge = 2; // samples either side of the period last heard
    static constexpr float c_fMaxCorrection = 0.06f; // of a period: a semitone's change

    void AnalyseHop(CKeySink& sink);
    // How periodic the latest window is with a period of nLag samples: the normalised
    // correlation of its last stretch with itself a period earlier, 0 .. 1.
    float Periodicity(int nLag) const;
    // Checks the detector's pitch fHz against the window: when the window does not repeat at
    // its period but at two to c_nMaxOvertone times it (a strong overtone was taken for the
    // voice: a low choir's formant), the pitch becomes that fraction of fHz. Gives how periodic the
    // window is at the result. When neither holds but the window repeats within c_nNudge
    // samples of the period of the hop before, that period is the pitch.
    float CheckPitch(float& fHz) const;
    // Moves fHz to the period at which the window repeats best, climbing from the detector's
    // in the time domain: YIN-FFT weighs the upper partials, and on some low voices (a sampled
    // choir's "oo") it lands up to half a semitone short of the period the waveform repeats at,
    // which is the pitch heard. fPeriodicity is the window's at fHz; gives it at the result.
    // A period within half a sample of the best stays as the detector gave it.
    float RefinePeriod(float& fHz, float fPeriodicity) const;

    std::unique_ptr<CPitchDetector> m_pDetector;
    CNoteTracker m_tracker;
    COctaveFold m_fold;
    // The latest window; the hop being filled is its last c_nHop samples.
    std::array<float, CPitchDetector::c_nWindow> m_afWindow {};
    int m_nInHop = 0;
    std::array<float, c_nLevelHops> m_afEnergy {}; // mean square per hop
    int m_nEnergy = 0;
    float m_fLastIn = 0; // DC blocker state
    float m_fLastOut = 0;
    bool m_bKeyDown = false;
    float m_fLastHz = 0; // the previous hop's pitch, 0 when it had none
    std::uint64_t m_nFed = 0;
};
