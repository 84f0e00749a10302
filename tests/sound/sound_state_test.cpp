// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// CSound's states and results on a working device (SDL's dummy driver: silent, real-time).
#include "audio/audio_output.h"
#include "audio/wave_out.h"
#include "sound/sound.h"

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class SoundOnDummy : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CWaveOut::Instance().Close();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    void TearDown() override { CWaveOut::Instance().Close(); }

    // Waits (up to 5 s) until the channel has begun more than nCount sounds.
    static bool WaitForOnset(std::uint64_t nCount)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (CWaveOut::Instance().OnsetCount() <= nCount) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }
};

TEST_F(SoundOnDummy, LoadsEveryNoteAndPlaysIt)
{
    const char* const aszName[8] = {"E", "F", "G", "A", "B", "C", "D", "E1"};
    for (const char* szName : aszName) {
        CSound sound;
        ASSERT_TRUE(sound.LoadFromResource(QString::fromLatin1(szName))) << szName;
        EXPECT_TRUE(sound.m_bLoaded);
        ASSERT_NE(sound.m_pData, nullptr);
        EXPECT_EQ(sound.m_wave.m_pPcm, sound.m_pData + 46); // read in place, not copied
        const std::uint64_t nBefore = CWaveOut::Instance().OnsetCount();
        EXPECT_TRUE(sound.Play(false)) << szName;
        EXPECT_TRUE(WaitForOnset(nBefore)) << szName;
    }
}

TEST_F(SoundOnDummy, EmptyObjectsPlayNothing)
{
    CSound fresh;
    EXPECT_FALSE(fresh.m_bLoaded);
    EXPECT_EQ(fresh.m_pData, nullptr);
    EXPECT_FALSE(fresh.Play(false));
    EXPECT_FALSE(fresh.Play(true));

    CSound missing;
    EXPECT_FALSE(missing.LoadFromResource(QStringLiteral("H")));
    EXPECT_FALSE(missing.LoadFromResource(QString()));
    EXPECT_FALSE(missing.m_bLoaded);
    EXPECT_EQ(missing.m_pData, nullptr);
    EXPECT_FALSE(missing.Play(false));
    // Neither touched the device.
    EXPECT_FALSE(CWaveOut::Instance().IsOpen());
}

TEST_F(SoundOnDummy, ReloadAndCloseEmptyTheObject)
{
    CSound sound;
    ASSERT_TRUE(sound.LoadFromResource(QStringLiteral("A")));
    const unsigned char* pA = sound.m_pData;
    // A failed reload leaves the object Empty, not holding the old sound.
    EXPECT_FALSE(sound.LoadFromResource(QStringLiteral("nothing")));
    EXPECT_FALSE(sound.m_bLoaded);
    EXPECT_EQ(sound.m_pData, nullptr);
    EXPECT_FALSE(sound.Play(false));

    ASSERT_TRUE(sound.LoadFromResource(QStringLiteral("E1")));
    EXPECT_NE(sound.m_pData, pA);
    EXPECT_TRUE(sound.Play(false));
    sound.Close();
    EXPECT_FALSE(sound.m_bLoaded);
    EXPECT_EQ(sound.m_pData, nullptr);
    EXPECT_FALSE(sound.m_wave.IsValid());
    EXPECT_FALSE(sound.Play(false));
}

TEST_F(SoundOnDummy, ChannelOpensOnceAndReopensAfterClose)
{
    CWaveOut& out = CWaveOut::Instance();
    EXPECT_TRUE(out.Open());
    EXPECT_TRUE(out.Open());
    EXPECT_TRUE(out.IsOpen());
    out.Close();
    EXPECT_FALSE(out.IsOpen());
    out.Stop(); // stopping never opens the device
    EXPECT_FALSE(out.IsOpen());
    const std::uint8_t aPcm[4] = {1, 0, 2, 0};
    EXPECT_FALSE(out.Play(aPcm, 0, false)); // nothing to play
    EXPECT_TRUE(out.Play(aPcm, 2, false)); // opens on demand
    EXPECT_TRUE(out.IsOpen());
}

// How many of this process's threads run round-robin real-time.
int RealTimeThreads()
{
    int nCount = 0;
    DIR* pDir = opendir("/proc/self/task");
    while (dirent* pEntry = pDir != nullptr ? readdir(pDir) : nullptr) {
        if (pEntry->d_name[0] == '.')
            continue;
        const pid_t nTid = static_cast<pid_t>(std::stol(pEntry->d_name));
        nCount += (sched_getscheduler(nTid) & ~SCHED_RESET_ON_FORK) == SCHED_RR ? 1 : 0;
    }
    if (pDir != nullptr)
        closedir(pDir);
    return nCount;
}

// Where the machine grants real time (root, or an RLIMIT_RTPRIO), the callback's thread gets it,
// again after every reopening, and a child process started from it runs ordinary.
TEST_F(SoundOnDummy, CallbackThreadRunsRealTimeWhereAllowed)
{
    bool bAllowed = false;
    int nChildPolicy = -1;
    std::thread probe([&] {
        bAllowed = AudioOutput::RaiseThread(pthread_self());
        if (!bAllowed)
            return;
        const pid_t nChild = fork();
        if (nChild == 0)
            _exit(sched_getscheduler(0));
        int nStatus = 0;
        if (nChild > 0 && waitpid(nChild, &nStatus, 0) == nChild && WIFEXITED(nStatus))
            nChildPolicy = WEXITSTATUS(nStatus);
    });
    probe.join();
    if (!bAllowed)
        GTEST_SKIP() << "this machine grants no real-time scheduling";
    EXPECT_EQ(nChildPolicy, SCHED_OTHER);

    CWaveOut& out = CWaveOut::Instance();
    const std::uint8_t aPcm[4] = {1, 0, 2, 0};
    for (int nOpening = 0; nOpening < 2; ++nOpening) {
        const std::uint64_t nBefore = out.OnsetCount();
        ASSERT_TRUE(out.Play(aPcm, 2, false));
        ASSERT_TRUE(WaitForOnset(nBefore));
        EXPECT_EQ(RealTimeThreads(), 1) << "opening " << nOpening;
        out.Close();
    }
}

} // namespace
