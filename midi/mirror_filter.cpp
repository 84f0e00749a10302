// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/mirror_filter.h"

bool CMirrorFilter::Pass(std::uintptr_t nSource, int nKey, bool bDown, std::int64_t nNowMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (CSeen& seen : m_aSeen) {
        if (seen.m_nKey == nKey && seen.m_bDown == bDown && seen.m_nSource != nSource
            && !seen.m_bMatched && nNowMs - seen.m_nMs <= c_nWindowMs && nNowMs >= seen.m_nMs) {
            seen.m_bMatched = true;
            return false;
        }
    }
    m_aSeen[m_nNext] = CSeen {nSource, nNowMs, nKey, bDown, false};
    m_nNext = (m_nNext + 1) % m_aSeen.size();
    return true;
}
