#include "sound/sound.h"

CSound::CSound() = default;

CSound::~CSound() { Close(); }

bool CSound::LoadFromResource(const QString&) { return false; }

bool CSound::Play(bool) { return false; }

void CSound::Stop() { }

void CSound::Close()
{
    m_pData = nullptr;
    m_nDataSize = 0;
    m_nSource = 0;
    m_bLoaded = false;
}
