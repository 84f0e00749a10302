// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/wave_note_output.h"

#include "game/notes.h"

CWaveNoteOutput::CWaveNoteOutput()
{
    for (int k = 0; k < c_nKeyCount; ++k)
        m_aSound[k].LoadFromResource(QString::fromLatin1(c_aszNoteSound[k]));
}

void CWaveNoteOutput::Prepare()
{
    CSound::PrepareOutput();
}

bool CWaveNoteOutput::Play(int nNote)
{
    if (nNote < 0 || nNote >= static_cast<int>(m_aSound.size()))
        return false;
    return m_aSound[nNote].Play(false);
}

void CWaveNoteOutput::Stop()
{
    m_aSound[0].Stop(); // every sound of the process
}
