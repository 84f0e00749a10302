// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// When a sound output that failed is tried again, on a clock that only moves when told.
#include "audio/retry_backoff.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Clock = CRetryBackoff::Clock;
using std::chrono::milliseconds;

const Clock::time_point c_start {milliseconds(1000000)};

// The waits between failures at their due times, the stamp staying the same.
std::vector<long> Waits(CRetryBackoff& retry, Clock::time_point& now, int nFailures)
{
    std::vector<long> waits;
    for (int i = 0; i < nFailures; ++i) {
        retry.Failed(now, 7);
        waits.push_back(static_cast<long>((retry.DueAt() - now) / milliseconds(1)));
        EXPECT_FALSE(retry.IsDue(retry.DueAt() - milliseconds(1), 7));
        now = retry.DueAt();
        EXPECT_TRUE(retry.IsDue(now, 7));
    }
    return waits;
}

} // namespace

TEST(RetryBackoff, WaitsDoubleUpToTheLongestAndStartAgainAfterSuccess)
{
    CRetryBackoff retry(500, 3000);
    Clock::time_point now = c_start;
    EXPECT_EQ(Waits(retry, now, 6), (std::vector<long> {500, 1000, 2000, 3000, 3000, 3000}));
    retry.Reset(); // opened, or closed on purpose
    EXPECT_EQ(Waits(retry, now, 2), (std::vector<long> {500, 1000}));
}

// A server or card that turned up since the previous failure: due at once, and the waits
// start again from the first.
TEST(RetryBackoff, ANewStampIsDueAtOnceAndStartsTheWaitsAgain)
{
    CRetryBackoff retry(500, 8000);
    Clock::time_point now = c_start;
    Waits(retry, now, 3);
    retry.Failed(now, 7);
    EXPECT_FALSE(retry.IsDue(now, 7));
    EXPECT_TRUE(retry.IsDue(now, 8));
    retry.Failed(now, 8);
    EXPECT_EQ(retry.DueAt() - now, milliseconds(500));
}

// A lost output is tried again at once; if that fails, after the first wait.
TEST(RetryBackoff, ALostOutputIsDueAtOnceThenAfterTheFirstWait)
{
    CRetryBackoff retry(500, 8000);
    Clock::time_point now = c_start;
    Waits(retry, now, 4);
    retry.RetryAt(now);
    EXPECT_TRUE(retry.IsDue(now, 7));
    retry.Failed(now, 7);
    EXPECT_EQ(retry.DueAt() - now, milliseconds(500));
}
