// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/white_keys.h"

namespace {

constexpr int c_nHighE = 64;
constexpr int c_nTopKey = 7;
// By pitch class from C: C C# D D# E F F# G G# A A# B.
constexpr int c_anKeyOfPitchClass[12] = {5, -1, 6, -1, 0, 1, -1, 2, -1, 3, -1, 4};

} // namespace

int WhiteKeyOf(int nNote)
{
    if (nNote < 0 || nNote > 127)
        return -1;
    if (nNote == c_nHighE)
        return c_nTopKey;
    return c_anKeyOfPitchClass[nNote % 12];
}
