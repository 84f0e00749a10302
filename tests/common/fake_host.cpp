// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/common/fake_host.h"

#include "game/melody_game.h"

void CFakeHost::StartTimer(int nId, int nPeriodMs)
{
    m_timers[nId] = STimer {nPeriodMs, m_nNowMs + nPeriodMs};
}

void CFakeHost::StopTimer(int nId)
{
    m_timers.erase(nId);
}

void CFakeHost::PlayNote(int nNote)
{
    m_aNotes.push_back({m_nNowMs, nNote});
}

int CFakeHost::PeriodOf(int nId) const
{
    const auto it = m_timers.find(nId);
    return it == m_timers.end() ? -1 : it->second.nPeriodMs;
}

std::int64_t CFakeHost::DueOf(int nId) const
{
    const auto it = m_timers.find(nId);
    return it == m_timers.end() ? -1 : it->second.nDueMs;
}

void CFakeHost::Advance(CMelodyGame& game, std::int64_t nMs)
{
    const std::int64_t end = m_nNowMs + nMs;
    for (;;) {
        // The earliest due timer; on a tie the lower id, as a message queue would order them.
        int id = -1;
        std::int64_t due = end + 1;
        for (const auto& [timerId, timer] : m_timers) {
            if (timer.nDueMs < due) {
                due = timer.nDueMs;
                id = timerId;
            }
        }
        if (id < 0)
            break;
        m_nNowMs = due;
        m_timers[id].nDueMs += m_timers[id].nPeriodMs;
        game.OnTimer(id);
    }
    m_nNowMs = end;
}

std::vector<int> CFakeHost::NotesSince(std::int64_t nFromMs) const
{
    std::vector<int> notes;
    for (const SNote& note : m_aNotes) {
        if (note.nAtMs >= nFromMs)
            notes.push_back(note.nNote);
    }
    return notes;
}
