// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>

// When a sound output that could not be opened is tried again: after the first wait, then
// after twice as long each time up to the longest wait, and soon again once something new has
// turned up (a server's socket or a card: a stamp that differs from the one of the previous
// failure). The times are passed in, so that the policy runs on any clock.
class CRetryBackoff
{
public:
    using Clock = std::chrono::steady_clock;

    CRetryBackoff(int nFirstMs, int nLongestMs);

    // The output opened, or was closed on purpose: the next failure waits the first wait.
    void Reset();
    // The output was lost: another attempt is due at now, and the first wait after it.
    void RetryAt(Clock::time_point now);
    // An attempt ended in failure at now. nStamp is the stamp read before the attempt: one that
    // differs from the previous failure's starts again from the first wait.
    void Failed(Clock::time_point now, std::uint64_t nStamp);
    // Whether another attempt is due at now, nStamp being the stamp now.
    bool IsDue(Clock::time_point now, std::uint64_t nStamp) const;
    // When the next attempt is due unless the stamp changes first.
    Clock::time_point DueAt() const { return m_dueAt; }

private:
    const int m_nFirstMs;
    const int m_nLongestMs;
    Clock::time_point m_dueAt {};
    int m_nWaitMs; // the wait after the next failure
    std::uint64_t m_nFailedStamp = 0; // the stamp at the latest failure
};
