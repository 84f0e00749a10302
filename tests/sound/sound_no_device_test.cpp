// Without a usable sound device every Play fails quietly and nothing else breaks.
#include "platform/wave_out.h"
#include "sound/sound.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace {

// Loads and plays the note "A" on a channel that cannot open; the process runs on.
void ExpectSilentFailure()
{
    CSound sound;
    EXPECT_TRUE(sound.LoadFromResource(QStringLiteral("A"))); // loading needs no device
    EXPECT_FALSE(sound.Play(false));
    EXPECT_FALSE(sound.Play(true));
    sound.Stop();
    EXPECT_FALSE(CWaveOut::Instance().IsOpen());
    EXPECT_FALSE(CWaveOut::Instance().Open());
    EXPECT_EQ(CWaveOut::Instance().OnsetCount(), 0u);
}

class NoDevice : public ::testing::Test
{
protected:
    void SetUp() override { CWaveOut::Instance().Close(); }
    void TearDown() override
    {
        CWaveOut::Instance().Close();
        unsetenv("SDL_DISKAUDIOFILE");
    }
};

TEST_F(NoDevice, UnknownDriver)
{
    setenv("SDL_AUDIODRIVER", "bogus", 1);
    ExpectSilentFailure();
}

TEST_F(NoDevice, DeviceThatCannotOpen)
{
    // The disk driver fails to open when its file cannot be created.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/nonexistent-cantabell-dir/capture.raw", 1);
    ExpectSilentFailure();
}

// A device that turns up later is found by the retries, without a Close and without a
// Play having to wait for it.
TEST_F(NoDevice, OutputThatTurnsUpLaterIsFound)
{
    setenv("SDL_AUDIODRIVER", "bogus", 1);
    CSound sound;
    ASSERT_TRUE(sound.LoadFromResource(QStringLiteral("C")));
    EXPECT_FALSE(sound.Play(false));
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const auto deadline
        = std::chrono::steady_clock::now() + std::chrono::milliseconds(3 * CWaveOut::c_nRetryMs);
    while (!CWaveOut::Instance().IsOpen() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(CWaveOut::Instance().IsOpen());
    const std::uint64_t nBefore = CWaveOut::Instance().OnsetCount();
    EXPECT_TRUE(sound.Play(false));
    while (CWaveOut::Instance().OnsetCount() == nBefore
        && std::chrono::steady_clock::now() < deadline + std::chrono::seconds(5))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GT(CWaveOut::Instance().OnsetCount(), nBefore);
    EXPECT_EQ(CWaveOut::Instance().Driver(), "dummy");
}

} // namespace
