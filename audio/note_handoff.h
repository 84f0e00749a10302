// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

// Hands the latest note from one producer thread to the audio callback without a lock: the
// producer writes a free slot and swaps it in as the pending one; the callback swaps the
// pending one out, copies it and frees it. Only the latest note posted between two takes
// reaches the callback (an earlier one would have been cut off before its first sample
// anyway). Neither side ever waits, allocates or makes a system call; three slots always leave
// one free (one pending, one being copied).
class CNoteHandoff
{
public:
    // A note to start, or (pPcm null) a stop. The two images are the same note at the two
    // rates the channel runs at; nAtNs is the steady-clock time it was asked for.
    struct SNote
    {
        const std::uint8_t* pPcm = nullptr; // signed 16-bit little-endian, the source rate
        std::size_t nSamples = 0;
        const std::uint8_t* pPcmServer = nullptr; // the same at the servers' rate
        std::size_t nSamplesServer = 0;
        bool bLoop = false;
        std::int64_t nAtNs = 0;
    };

    // Producer only.
    void Post(const SNote& note)
    {
        std::size_t nFree = 0;
        while (!m_abFree[nFree].load(std::memory_order_acquire))
            ++nFree; // never past the last: see the class comment
        m_abFree[nFree].store(false, std::memory_order_relaxed);
        m_aSlot[nFree] = note;
        SNote* pOld = m_pPending.exchange(&m_aSlot[nFree], std::memory_order_acq_rel);
        if (pOld != nullptr) // superseded before the callback saw it
            m_abFree[static_cast<std::size_t>(pOld - m_aSlot.data())].store(
                true, std::memory_order_release);
    }

    // Callback only: the note posted since the last Take, if any.
    bool Take(SNote& note)
    {
        SNote* pNote = m_pPending.exchange(nullptr, std::memory_order_acq_rel);
        if (pNote == nullptr)
            return false;
        note = *pNote;
        m_abFree[static_cast<std::size_t>(pNote - m_aSlot.data())].store(
            true, std::memory_order_release);
        return true;
    }

    // A note waits for the callback.
    bool IsPending() const { return m_pPending.load(std::memory_order_acquire) != nullptr; }

    // Drops a pending note; only while no callback can run.
    void Clear()
    {
        SNote note;
        Take(note);
    }

private:
    std::array<SNote, 3> m_aSlot {};
    std::array<std::atomic<bool>, 3> m_abFree {true, true, true};
    std::atomic<SNote*> m_pPending {nullptr};
};
