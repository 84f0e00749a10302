// Without a usable sound device every Play fails quietly and nothing else breaks.
#include "platform/wave_out.h"
#include "sound/sound.h"

#include <cstdlib>
#include <gtest/gtest.h>

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

TEST_F(NoDevice, FailureIsRememberedUntilClose)
{
    setenv("SDL_AUDIODRIVER", "bogus", 1);
    CSound sound;
    ASSERT_TRUE(sound.LoadFromResource(QStringLiteral("C")));
    EXPECT_FALSE(sound.Play(false));
    // A device that turns up later is not tried on every note ...
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_FALSE(sound.Play(false));
    // ... but after a Close the next Play opens it.
    CWaveOut::Instance().Close();
    EXPECT_TRUE(sound.Play(false));
}

} // namespace
