// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pitch detector over a sliding window of mono samples at c_nSampleRate: each call takes the
// next c_nHop samples (full scale -1..1) and estimates the pitch of the latest c_nWindow.
// Detect never allocates, locks or blocks, so that it may run wherever the samples arrive.
class CPitchDetector
{
public:
    static constexpr int c_nSampleRate = 48000; // samples per second
    static constexpr int c_nWindow = 2048; // samples analysed: a bass's E2 (82 Hz) fits 3 times
    static constexpr int c_nHop = 256; // samples per call, 5.3 ms

    virtual ~CPitchDetector() = default;

    // The pitch in Hz, 0 when none was found. How sure it is, is the caller's to judge (aubio's
    // own confidence stays 0 for most of a voice's range).
    virtual float Detect(const float* pHop) = 0;
    // Whether an attack (a note struck or sung anew) was found up to the hop last given to
    // Detect; a detector without an onset finder never finds one.
    virtual bool IsOnset() const { return false; }
};
