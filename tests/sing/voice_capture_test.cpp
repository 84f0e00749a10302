// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/aubio_pitch.h"
#include "sing/voice_capture.h"
#include "tests/sing/sing_material.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Collects keys from the analysis thread.
class CLockedKeys : public CKeySink
{
public:
    void KeyDown(int nKey, int /*nNote*/) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_anKeys.push_back(nKey);
        ++m_nDown;
    }
    void KeyUp() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        --m_nDown;
    }
    std::vector<int> Keys()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_anKeys;
    }
    int Down()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_nDown;
    }

private:
    std::mutex m_mutex;
    std::vector<int> m_anKeys;
    int m_nDown = 0;
};

std::unique_ptr<CVoiceListener> NewListener()
{
    std::string strError;
    auto pDetector = CAubioPitch::Create("yinfft", strError);
    EXPECT_TRUE(pDetector) << strError;
    return std::make_unique<CVoiceListener>(std::move(pDetector));
}

// SDL's disk driver plays a raw file (48 kHz mono float here) as the microphone, in real time.
std::string WriteMicrophoneFile(const SSungCase& material)
{
    std::string strPath = testing::TempDir() + "cantabell-mic-" + std::to_string(getpid()) + ".raw";
    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    std::fwrite(material.afSamples.data(), sizeof(float), material.afSamples.size(), pFile);
    std::fclose(pFile);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILEIN", strPath.c_str(), 1);
    return strPath;
}

void WaitForSamples(const CVoiceCapture& capture, std::size_t nCount)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (capture.SamplesIn() < nCount && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    // The analysis thread's last round.
    std::this_thread::sleep_for(std::chrono::milliseconds(5 * CVoiceCapture::c_nPollMs));
}

} // namespace

TEST(VoiceCapture, EntersTheKeysSungIntoTheMicrophone)
{
    SSungCase material;
    ASSERT_TRUE(material.Load(std::string(CANTABELL_SING_MATERIAL) + "/repeated"));
    std::string strPath = WriteMicrophoneFile(material);
    CLockedKeys keys;
    CVoiceCapture capture(NewListener(), keys);
    capture.SetListening(true);
    capture.Start();
    ASSERT_TRUE(capture.WaitForDevice());
    WaitForSamples(capture, material.afSamples.size() + 24000);
    EXPECT_EQ(keys.Keys(), material.Keys());
    EXPECT_EQ(keys.Down(), 0);
    capture.Stop();
    EXPECT_FALSE(capture.IsOpen());
    std::remove(strPath.c_str());
}

TEST(VoiceCapture, HearsNothingWhileNotListening)
{
    SSungCase material;
    ASSERT_TRUE(material.Load(std::string(CANTABELL_SING_MATERIAL) + "/repeated"));
    std::string strPath = WriteMicrophoneFile(material);
    CLockedKeys keys;
    CVoiceCapture capture(NewListener(), keys);
    capture.Start();
    ASSERT_TRUE(capture.WaitForDevice());
    // The first note (E, 0.3 .. 0.7 s) goes by unheard; listening from 0.9 s on hears the rest.
    WaitForSamples(capture, 48000 * 9 / 10);
    capture.SetListening(true);
    WaitForSamples(capture, material.afSamples.size() + 24000);
    EXPECT_EQ(keys.Keys(), (std::vector<int> {0, 3, 3, 4}));
    // Switching off releases a held key at once.
    capture.SetListening(false);
    capture.Stop();
    EXPECT_EQ(keys.Down(), 0);
    std::remove(strPath.c_str());
}

TEST(VoiceCapture, NoMicrophoneIsAClearFailure)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILEIN", "/nonexistent/cantabell-mic.raw", 1);
    CLockedKeys keys;
    CVoiceCapture capture(NewListener(), keys);
    capture.Start();
    EXPECT_FALSE(capture.WaitForDevice());
    EXPECT_EQ(capture.State(), CVoiceCapture::EState::Failed);
    capture.Stop();
}
