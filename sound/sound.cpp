// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/sound.h"

#include "audio/wave_out.h"

#include <QResource>

CSound::CSound() = default;

CSound::~CSound()
{
    Close();
}

bool CSound::LoadFromResource(const QString& strName)
{
    Close();
    const QResource resource(QStringLiteral(":/WAVE/") + strName);
    // Only an uncompressed resource's data() is the file image itself, valid for the whole run.
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.data() == nullptr)
        return false;
    m_pData = resource.data();
    if (m_wave.Parse(m_pData, static_cast<std::size_t>(resource.size())))
        CWaveOut::Instance().PrepareImage(m_wave.m_pPcm, m_wave.m_nSamples);
    m_bLoaded = true;
    return true;
}

bool CSound::Play(bool bLoop)
{
    if (!m_bLoaded || !m_wave.IsValid())
        return false;
    return CWaveOut::Instance().Play(m_wave.m_pPcm, m_wave.m_nSamples, bLoop);
}

void CSound::Stop()
{
    CWaveOut::Instance().Stop();
}

void CSound::Close()
{
    // All output stops before the data it may be reading goes.
    CWaveOut::Instance().Stop();
    m_wave.Clear();
    m_pData = nullptr;
    m_bLoaded = false;
}

void CSound::PrepareOutput()
{
    CWaveOut::Instance().Prepare();
}
