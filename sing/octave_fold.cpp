// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/octave_fold.h"

#include <cstdlib>

namespace {

// Key by pitch class (C = 0); -1 for the black keys; E is key 0 here.
constexpr int c_anKeyOfClass[12] = {5, -1, 6, -1, 0, 1, -1, 2, -1, 3, -1, 4};

int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

int COctaveFold::KeyOf(int nNote)
{
    int nClass = ((nNote % 12) + 12) % 12;
    int nKey = c_anKeyOfClass[nClass];
    if (nKey < 0)
        return -1;
    if (nKey != 0) {
        if (!m_bFirm) {
            m_nShift = FloorDiv(nNote - c_nLowE, 12);
            m_bFirm = m_bKnown = true;
        }
        return nKey;
    }
    // An E: the low or the high one, depending on the shift.
    int nLow = FloorDiv(nNote - c_nLowE, 12); // the shift that makes it key 0
    if (!m_bFirm) {
        int nHigh = nLow - 1; // the shift that makes it key 7
        if (!m_bKnown)
            m_nShift = std::abs(nHigh) < std::abs(nLow) ? nHigh : nLow;
        else if (m_nShift != nLow && m_nShift != nHigh)
            m_nShift = std::abs(m_nShift - nHigh) < std::abs(m_nShift - nLow) ? nHigh : nLow;
        m_bKnown = true;
    }
    int nAtKeys = nNote - 12 * m_nShift;
    return nAtKeys > c_nLowE + 6 ? 7 : 0;
}
