// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game_globals.h"
#include "game/melody_game.h"
#include "game/settings.h"
#include "tests/common/fake_host.h"

#include <gtest/gtest.h>

namespace {

// The raw draws r (0..32767) behind RandomBelow, recovered from RandomBelow(32768): with n above
// 32767 the result is r itself.
class RandomTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetGameGlobals(); }
    CFakeHost m_host;
    CMelodyGame m_game {m_host};
};

} // namespace

TEST_F(RandomTest, SeededWithOneGivesTheKnownSequence)
{
    m_host.m_nEpochSeconds = 1;
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int r : expected)
        EXPECT_EQ(m_game.RandomBelow(32768), r);
    EXPECT_FALSE(g_bSeedPending);
}

TEST_F(RandomTest, SeedsOnceFromTheClockInWholeSeconds)
{
    m_host.m_nEpochSeconds = 1;
    m_game.RandomBelow(8);
    // A later clock must not reseed: the next draw continues the seed-1 sequence.
    m_host.m_nEpochSeconds = 999;
    EXPECT_EQ(m_game.RandomBelow(32768), 18467);
}

TEST_F(RandomTest, ScalesByIntegerDivisionAndNeverReachesN)
{
    // Seed 1: r = 41 -> 41 / 4095 = 0; r = 18467 -> 4; r = 6334 -> 1; r = 26500 -> 6.
    m_host.m_nEpochSeconds = 1;
    EXPECT_EQ(m_game.RandomBelow(8), 0);
    EXPECT_EQ(m_game.RandomBelow(8), 4);
    EXPECT_EQ(m_game.RandomBelow(8), 1);
    EXPECT_EQ(m_game.RandomBelow(8), 6);
    // r = 32767 would give 8 for n = 8 and 3 for n = 3: the result is held at n - 1.
    for (int i = 0; i < 200000; ++i) {
        const int eight = m_game.RandomBelow(8);
        const int three = m_game.RandomBelow(3);
        ASSERT_GE(eight, 0);
        ASSERT_LE(eight, 7);
        ASSERT_GE(three, 0);
        ASSERT_LE(three, 2);
    }
}

TEST_F(RandomTest, TopDrawIsHeldBelowN)
{
    // Seed 30091 is the first whose first draw is the top value, 32767.
    constexpr std::uint32_t seed = 30091;
    m_host.m_nEpochSeconds = seed;
    ASSERT_EQ(m_game.RandomBelow(32768), 32767);
    g_bSeedPending = true;
    m_host.m_nEpochSeconds = seed;
    EXPECT_EQ(m_game.RandomBelow(8), 7);
    g_bSeedPending = true;
    EXPECT_EQ(m_game.RandomBelow(3), 2);
}
