// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Without a usable sound device every Play fails quietly and nothing else breaks.
#include "audio/audio_output.h"
#include "audio/wave_out.h"
#include "sound/sound.h"

#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
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

// Creates (or replaces, with a new inode) an empty file.
void Touch(const std::string& strPath)
{
    std::remove(strPath.c_str());
    std::FILE* pFile = std::fopen(strPath.c_str(), "w");
    ASSERT_NE(pFile, nullptr) << strPath;
    std::fclose(pFile);
}

// The stamp moves when a server's socket appears or is made anew, and only then.
TEST(ServerStamp, FollowsTheServersSockets)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string strRuntime = dir.path().toStdString();
    setenv("XDG_RUNTIME_DIR", strRuntime.c_str(), 1);
    unsetenv("PIPEWIRE_REMOTE");
    unsetenv("PIPEWIRE_RUNTIME_DIR");
    unsetenv("PULSE_RUNTIME_PATH");
    const std::uint64_t nEmpty = AudioOutput::ServerStamp();
    EXPECT_EQ(AudioOutput::ServerStamp(), nEmpty);
    Touch(strRuntime + "/pipewire-0");
    const std::uint64_t nPipeWire = AudioOutput::ServerStamp();
    EXPECT_NE(nPipeWire, nEmpty);
    ASSERT_EQ(mkdir((strRuntime + "/pulse").c_str(), 0700), 0);
    EXPECT_EQ(AudioOutput::ServerStamp(), nPipeWire); // a folder alone is no server
    Touch(strRuntime + "/pulse/native");
    const std::uint64_t nBoth = AudioOutput::ServerStamp();
    EXPECT_NE(nBoth, nPipeWire);
    Touch(strRuntime + "/pipewire-0"); // a restart makes the socket anew
    EXPECT_NE(AudioOutput::ServerStamp(), nBoth);
    // Where the variables point elsewhere, the runtime folder's sockets no longer count.
    setenv("PIPEWIRE_REMOTE", "/nonexistent-cantabell/pw", 1);
    setenv("PULSE_RUNTIME_PATH", "/nonexistent-cantabell", 1);
    EXPECT_EQ(AudioOutput::ServerStamp(), nEmpty);
    unsetenv("PIPEWIRE_REMOTE");
    unsetenv("PULSE_RUNTIME_PATH");
}

// Failed attempts come further and further apart, but a server's socket turning up brings the
// next one at once.
TEST_F(NoDevice, ServerThatTurnsUpIsTriedAtOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string strRuntime = dir.path().toStdString();
    setenv("XDG_RUNTIME_DIR", strRuntime.c_str(), 1);
    setenv("SDL_AUDIODRIVER", "bogus", 1);
    CSound sound;
    ASSERT_TRUE(sound.LoadFromResource(QStringLiteral("C")));
    EXPECT_FALSE(sound.Play(false)); // attempts at 0, 0.5 and 1.5 s; the next at 3.5 s
    std::this_thread::sleep_for(std::chrono::milliseconds(2000));
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_FALSE(CWaveOut::Instance().IsOpen()) << "an attempt came before its time";
    Touch(strRuntime + "/pipewire-0");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(600);
    while (!CWaveOut::Instance().IsOpen() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(CWaveOut::Instance().IsOpen());
}

} // namespace
