// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sing/pitch_detector.h"

#include <memory>
#include <string>

// aubio's pitch detection (YIN-FFT by default), loaded on demand with dlopen: the library and
// the many it needs (FFmpeg's among them) are mapped only once a detector is made, so that a
// game that never listens maps none of them. Once loaded, the library stays for the run. aubio's
// onset finder (high-frequency content) runs beside it on the same hops.
class CAubioPitch final : public CPitchDetector
{
public:
    ~CAubioPitch() override;

    // A detector with aubio's method szMethod ("yinfft", "yin", "yinfast"...), or null with
    // a one-line reason in strError when the library or the method is missing.
    static std::unique_ptr<CPitchDetector> Create(const char* szMethod, std::string& strError);
    // Whether the library has been mapped by this process (for tests: never without Create).
    static bool IsLoaded();

    float Detect(const float* pHop) override;
    bool IsOnset() const override { return m_bOnset; }

private:
    struct SApi;
    CAubioPitch(const SApi& api, void* pPitch, void* pOnset, void* pIn, void* pOut);

    const SApi& m_api;
    void* m_pPitch; // aubio_pitch_t*
    void* m_pOnset; // aubio_onset_t*
    void* m_pIn; // fvec_t* of c_nHop samples
    void* m_pOut; // fvec_t* of 1
    void* m_pOnsetOut; // fvec_t* of 1
    bool m_bOnset = false;
};
