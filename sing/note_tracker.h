// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Turns a stream of pitch estimates, one per hop of 5.3 ms, into held notes: a pitch held
// steady for c_nSteadyHops enters the semitone nearest the middle of its recent values, as the
// singer tunes (so vibrato and a sung note somewhat off its key still give that key; a glide
// gives nothing); the note is held while the voice stays on it and released when the voice
// stops or moves or the same note is attacked again. A noise gate that follows the room's level
// keeps breath, noise and silence out. Pure and allocation-free: it runs on the capture's analysis
// thread.
class CNoteTracker
{
public:
    static constexpr int c_nSteadyHops = 14; // about 75 ms of steady pitch enter a note
    static constexpr int c_nBreakHops = 6; // about 32 ms without pitch end a note
    static constexpr float c_fMinHz = 75.0f; // below E2 with room for a flat singer
    static constexpr float c_fMaxHz = 1400.0f; // above E6
    static constexpr float c_fMinPeriodicity = 0.8f;
    static constexpr float c_fMaxSlope = 15.0f; // semitones per second: faster is a glide

    // What one hop changed.
    enum class EEvent
    {
        None,
        Press,
        Release
    };

    // One hop: its RMS level (full scale 1), the pitch found (Hz, 0 for none), how periodic
    // the sound is at that pitch (0..1) and whether an onset finder heard an attack. On Press,
    // Note() is the MIDI note entered.
    EEvent Hop(float fLevel, float fHz, float fPeriodicity, bool bOnset = false);
    // The MIDI note held, or -1.
    int Note() const { return m_nNote; }
    // Forgets the notes heard (the room's level is kept); a held note is dropped silently.
    void Reset();
    // Whether the latest hop passed the noise gate (for tests and benchmarks).
    bool IsGateOpen() const { return m_bGate; }

private:
    static constexpr int c_nHistory = 17; // hops looked at, about 90 ms
    static constexpr float c_fSteadyWidth = 0.7f; // semitones either side counting as steady

    bool UpdateGate(float fLevel);
    // What the voiced hops of the history agree on: the pitch (MIDI) at the octave most of
    // them lie in, how many agree within c_fSteadyWidth by pitch class (a detector's octave
    // slips still agree), and their trend in semitones per second.
    struct SMiddle
    {
        float fPitch = -1.0f;
        int nNear = 0;
        float fSlope = 0;
    };
    SMiddle Middle() const;
    // fA - fB as pitch classes, -6 .. 6 semitones.
    static float ClassDistance(float fA, float fB);
    bool IsReattack(float fLevel, bool bOnset);
    // Moves m_fTuning towards the offset of the note just released from its semitone.
    void LearnTuning();

    std::array<float, c_nHistory> m_afPitch {}; // MIDI pitch per hop, < 0 when unvoiced
    int m_nNext = 0;
    int m_nFilled = 0;
    int m_nNote = -1; // held semitone
    float m_fPressed = 0; // the pitch it entered at, MIDI
    int m_nUnvoiced = 0; // hops without pitch in a row
    float m_fFloor = 0.0005f; // the room's level, full scale 1
    bool m_bGate = false;
    float m_fPeak = 0; // loudest hop of the held note since its (re)attack
    float m_fDip = 0; // quietest hop since m_fPeak
    float m_fHeldSum = 0; // sum of the held note's pitches (MIDI) near its semitone
    int m_nHeldHops = 0;
    float m_fTuning = 0; // the singer's offset from the keys' tuning, semitones; kept by Reset
    static constexpr int c_nJumpHops = 2;
    std::array<float, c_nJumpHops> m_afLevel {}; // the latest levels, a ring
    int m_nLevel = 0;
    int m_nSinceOnset = 0; // hops since the onset finder last heard an attack
};
