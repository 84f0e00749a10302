// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/key_geometry.h"
#include "game/note_output.h"
#include "sound/sound.h"

#include <array>

// The eight note sounds from the resources, played on the process's sound channel.
class CWaveNoteOutput : public CNoteOutput
{
public:
    // Loads the sounds (which silences the channel).
    CWaveNoteOutput();

    void Prepare() override;
    bool Play(int nNote) override;
    void Stop() override;

private:
    std::array<CSound, c_nKeyCount> m_aSound;
};
