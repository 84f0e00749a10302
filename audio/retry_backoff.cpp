// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/retry_backoff.h"

#include <algorithm>

CRetryBackoff::CRetryBackoff(int nFirstMs, int nLongestMs)
    : m_nFirstMs(nFirstMs)
    , m_nLongestMs(nLongestMs)
    , m_nWaitMs(nFirstMs)
{ }

void CRetryBackoff::Reset()
{
    m_nWaitMs = m_nFirstMs;
}

void CRetryBackoff::RetryAt(Clock::time_point now)
{
    m_dueAt = now;
    m_nWaitMs = m_nFirstMs;
}

void CRetryBackoff::Failed(Clock::time_point now, std::uint64_t nStamp)
{
    if (nStamp != m_nFailedStamp)
        m_nWaitMs = m_nFirstMs; // something new turned up: look again soon
    m_nFailedStamp = nStamp;
    m_dueAt = now + std::chrono::milliseconds(m_nWaitMs);
    m_nWaitMs = std::min(2 * m_nWaitMs, m_nLongestMs);
}

bool CRetryBackoff::IsDue(Clock::time_point now, std::uint64_t nStamp) const
{
    return now >= m_dueAt || nStamp != m_nFailedStamp;
}
