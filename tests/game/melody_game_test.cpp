#include "fake_host.h"
#include "game/melody_game.h"
#include "game/settings.h"
#include "game/timers.h"

#include <gtest/gtest.h>

namespace {

class MelodyGameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetGameGlobals();
        m_game.Start();
    }
    CFakeHost m_host;
    CMelodyGame m_game {m_host};
};

} // namespace

TEST_F(MelodyGameTest, StartsWithBannerAndThreeTimers)
{
    EXPECT_EQ(m_host.PeriodOf(TIMER_REDRAW), 50);
    EXPECT_EQ(m_host.PeriodOf(TIMER_PLAY), 600);
    EXPECT_EQ(m_host.PeriodOf(TIMER_LEVEL), 2500);
    EXPECT_FALSE(m_host.IsRunning(TIMER_RESULT));
    EXPECT_TRUE(m_game.m_bShowLevel);
    EXPECT_EQ(m_game.m_nLength, 3);
}
