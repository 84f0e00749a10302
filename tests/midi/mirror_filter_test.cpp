// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/mirror_filter.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uintptr_t c_nAlsa = 1;
constexpr std::uintptr_t c_nJack = 2;

TEST(MirrorFilter, TheSecondPortsCopyOfAChordIsDroppedOnce)
{
    CMirrorFilter filter;
    for (int k : {0, 2, 4})
        EXPECT_TRUE(filter.Pass(c_nAlsa, k, true, 1000));
    for (int k : {0, 2, 4})
        EXPECT_FALSE(filter.Pass(c_nJack, k, true, 1005)) << k;
    // The releases are notes of their own, mirrored the same way.
    EXPECT_TRUE(filter.Pass(c_nJack, 2, false, 1200));
    EXPECT_FALSE(filter.Pass(c_nAlsa, 2, false, 1203));
    // Each note matches one copy only: the key struck again on the first port is a new note.
    EXPECT_TRUE(filter.Pass(c_nAlsa, 0, true, 1010));
}

TEST(MirrorFilter, NotesOfOnePortAndLateOrDifferentNotesPass)
{
    CMirrorFilter filter;
    EXPECT_TRUE(filter.Pass(c_nAlsa, 3, true, 0));
    EXPECT_TRUE(filter.Pass(c_nAlsa, 3, true, 1)); // two keys folding onto one, or a repeat
    EXPECT_TRUE(filter.Pass(c_nJack, 3, false, 2)); // other direction
    EXPECT_TRUE(filter.Pass(c_nJack, 4, true, 3)); // other key
    EXPECT_TRUE(filter.Pass(c_nJack, 3, true, 1 + CMirrorFilter::c_nWindowMs + 1));
}

} // namespace
