// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/note_output.h"

#include <vector>

// A note output that keeps the notes instead of sounding them: a window with it opens no sound
// channel.
class CFakeNoteOutput : public CNoteOutput
{
public:
    void Prepare() override { ++m_nPrepared; }
    bool Play(int nNote) override
    {
        m_anPlayed.push_back(nNote);
        return true;
    }
    void Stop() override { ++m_nStopped; }

    // The notes played since the previous call.
    std::vector<int> Take()
    {
        std::vector<int> played;
        played.swap(m_anPlayed);
        return played;
    }

    std::vector<int> m_anPlayed; // the notes played, in order
    int m_nPrepared = 0;
    int m_nStopped = 0;
};
