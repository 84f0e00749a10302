// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/aubio_pitch.h"

// Only for the types and the functions' signatures: nothing links aubio.
#include <algorithm>
#include <aubio/aubio.h>
#include <cmath>
#include <cstring>
#include <dlfcn.h>
#include <mutex>

// The functions of aubio's interface the detector uses, looked up once in the loaded library.
struct CAubioPitch::SApi
{
    decltype(&new_aubio_pitch) pNew = nullptr;
    decltype(&del_aubio_pitch) pDelete = nullptr;
    decltype(&aubio_pitch_do) pDo = nullptr;
    decltype(&aubio_pitch_set_unit) pSetUnit = nullptr;
    decltype(&aubio_pitch_set_silence) pSetSilence = nullptr;
    decltype(&new_aubio_onset) pNewOnset = nullptr;
    decltype(&del_aubio_onset) pDeleteOnset = nullptr;
    decltype(&aubio_onset_do) pOnsetDo = nullptr;
    decltype(&aubio_onset_set_threshold) pSetOnsetThreshold = nullptr;
    decltype(&aubio_onset_set_silence) pSetOnsetSilence = nullptr;
    decltype(&new_fvec) pNewVector = nullptr;
    decltype(&del_fvec) pDeleteVector = nullptr;
    bool bLoaded = false;
    std::string strError;
};

namespace {

constexpr const char* c_szLibrary = "libaubio.so.5";
// The onset finder: high-frequency content over 1024 samples, which marks a note sung or played
// anew but not a sustained note's swell; at 0.3, aubio's usual threshold rather than the lower
// one it gives this method, so that a sustained voice's own flutter is not taken for an attack.
constexpr const char* c_szOnsetMethod = "hfc";
constexpr unsigned c_nOnsetWindow = 1024;
constexpr float c_fOnsetThreshold = 0.3f;

template<typename F> bool Resolve(void* pLibrary, const char* szName, F& f)
{
    f = reinterpret_cast<F>(dlsym(pLibrary, szName));
    return f != nullptr;
}

std::mutex g_loadMutex;
bool g_bMapped = false;

} // namespace

bool CAubioPitch::IsLoaded()
{
    std::lock_guard<std::mutex> lock(g_loadMutex);
    return g_bMapped;
}

std::unique_ptr<CPitchDetector> CAubioPitch::Create(const char* szMethod, std::string& strError)
{
    static SApi s_api;
    {
        std::lock_guard<std::mutex> lock(g_loadMutex);
        if (!s_api.bLoaded && s_api.strError.empty()) {
            void* pLibrary = dlopen(c_szLibrary, RTLD_NOW | RTLD_LOCAL);
            if (!pLibrary) {
                s_api.strError = std::string("cannot load ") + c_szLibrary;
            } else {
                g_bMapped = true;
                bool bAll = Resolve(pLibrary, "new_aubio_pitch", s_api.pNew)
                    && Resolve(pLibrary, "del_aubio_pitch", s_api.pDelete)
                    && Resolve(pLibrary, "aubio_pitch_do", s_api.pDo)
                    && Resolve(pLibrary, "aubio_pitch_set_unit", s_api.pSetUnit)
                    && Resolve(pLibrary, "aubio_pitch_set_silence", s_api.pSetSilence)
                    && Resolve(pLibrary, "new_aubio_onset", s_api.pNewOnset)
                    && Resolve(pLibrary, "del_aubio_onset", s_api.pDeleteOnset)
                    && Resolve(pLibrary, "aubio_onset_do", s_api.pOnsetDo)
                    && Resolve(pLibrary, "aubio_onset_set_threshold", s_api.pSetOnsetThreshold)
                    && Resolve(pLibrary, "aubio_onset_set_silence", s_api.pSetOnsetSilence)
                    && Resolve(pLibrary, "new_fvec", s_api.pNewVector)
                    && Resolve(pLibrary, "del_fvec", s_api.pDeleteVector);
                s_api.bLoaded = bAll;
                if (!bAll)
                    s_api.strError = std::string(c_szLibrary) + " lacks the pitch functions";
            }
        }
        if (!s_api.bLoaded) {
            strError = s_api.strError;
            return nullptr;
        }
    }
    aubio_pitch_t* pPitch = s_api.pNew(szMethod, c_nWindow, c_nHop, c_nSampleRate);
    if (!pPitch) {
        strError = std::string("aubio has no pitch method ") + szMethod;
        return nullptr;
    }
    s_api.pSetUnit(pPitch, "Hz");
    // The listener gates silence itself, from the room's own level.
    s_api.pSetSilence(pPitch, -120.0f);
    aubio_onset_t* pOnset = s_api.pNewOnset(c_szOnsetMethod, c_nOnsetWindow, c_nHop, c_nSampleRate);
    if (!pOnset) {
        s_api.pDelete(pPitch);
        strError = std::string("aubio has no onset method ") + c_szOnsetMethod;
        return nullptr;
    }
    s_api.pSetOnsetThreshold(pOnset, c_fOnsetThreshold);
    s_api.pSetOnsetSilence(pOnset, -120.0f);
    fvec_t* pIn = s_api.pNewVector(c_nHop);
    fvec_t* pOut = s_api.pNewVector(1);
    return std::unique_ptr<CPitchDetector>(new CAubioPitch(s_api, pPitch, pOnset, pIn, pOut));
}

CAubioPitch::CAubioPitch(const SApi& api, void* pPitch, void* pOnset, void* pIn, void* pOut)
    : m_api(api)
    , m_pPitch(pPitch)
    , m_pOnset(pOnset)
    , m_pIn(pIn)
    , m_pOut(pOut)
    , m_pOnsetOut(api.pNewVector(1))
{ }

CAubioPitch::~CAubioPitch()
{
    m_api.pDelete(static_cast<aubio_pitch_t*>(m_pPitch));
    m_api.pDeleteOnset(static_cast<aubio_onset_t*>(m_pOnset));
    m_api.pDeleteVector(static_cast<fvec_t*>(m_pOnsetOut));
    m_api.pDeleteVector(static_cast<fvec_t*>(m_pIn));
    m_api.pDeleteVector(static_cast<fvec_t*>(m_pOut));
}

float CAubioPitch::Detect(const float* pHop)
{
    auto* pIn = static_cast<fvec_t*>(m_pIn);
    auto* pOut = static_cast<fvec_t*>(m_pOut);
    std::memcpy(pIn->data, pHop, sizeof(float) * c_nHop);
    m_api.pDo(static_cast<aubio_pitch_t*>(m_pPitch), pIn, pOut);
    auto* pOnsetOut = static_cast<fvec_t*>(m_pOnsetOut);
    m_api.pOnsetDo(static_cast<aubio_onset_t*>(m_pOnset), pIn, pOnsetOut);
    m_bOnset = pOnsetOut->data[0] != 0;
    return std::isfinite(pOut->data[0]) ? std::max(0.0f, pOut->data[0]) : 0.0f;
}
