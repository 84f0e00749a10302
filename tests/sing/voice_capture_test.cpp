// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/aubio_pitch.h"
#include "sing/capture_device.h"
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

// A microphone the test plays into from its own thread, as a capture device's thread would,
// and unplugs: it then reports itself lost and fails the next nFailures openings.
class CFakeMicrophone : public CCaptureDevice
{
public:
    bool Open(Callback pCallback, void* pUser) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_nOpenings;
        if (m_nFailures > 0) {
            --m_nFailures;
            return false;
        }
        m_pCallback = pCallback;
        m_pUser = pUser;
        m_bLost = false;
        return true;
    }
    bool IsLost() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_bLost;
    }
    void Close() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pCallback = nullptr;
    }
    std::uint64_t Stamp() const override { return 1; }

    void Unplug(int nFailures)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bLost = true;
        m_nFailures = nFailures;
    }
    // Plays samples [nFrom, nTo) of material at about their own pace, into nothing while closed.
    void Play(SSungCase& material, std::size_t nFrom, std::size_t nTo)
    {
        const std::size_t c_nBlock = 512;
        for (std::size_t n = nFrom; n < nTo; n += c_nBlock) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_pCallback && !m_bLost) {
                    m_pCallback(m_pUser, reinterpret_cast<std::uint8_t*>(&material.afSamples[n]),
                        static_cast<int>(std::min(c_nBlock, nTo - n) * sizeof(float)));
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    int Openings() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_nOpenings;
    }

private:
    mutable std::mutex m_mutex;
    Callback m_pCallback = nullptr;
    void* m_pUser = nullptr;
    bool m_bLost = false;
    int m_nFailures = 0;
    int m_nOpenings = 0;
};

// Waits up to 20 s for what should come soon.
template<typename F> bool Eventually(F fnCondition)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!fnCondition() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return fnCondition();
}

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

// Unplugged while an E is sung: the key is released and the microphone is looked for again,
// on the backoff (two openings fail, the third finds it back), and the rest of the answer is
// heard once it is back.
TEST(VoiceCapture, ALostMicrophoneIsOpenedAgainWhenItReturns)
{
    SSungCase material;
    ASSERT_TRUE(material.Load(std::string(CANTABELL_SING_MATERIAL) + "/repeated"));
    CLockedKeys keys;
    auto pOwned = std::make_unique<CFakeMicrophone>();
    CFakeMicrophone& microphone = *pOwned;
    CVoiceCapture capture(NewListener(), keys, std::move(pOwned));
    capture.SetListening(true);
    capture.Start();
    ASSERT_TRUE(capture.WaitForDevice());
    microphone.Play(material, 0, 48000 / 2); // into the first E (0.3 .. 0.7 s)
    ASSERT_TRUE(Eventually([&] { return keys.Down() == 1; }));
    microphone.Unplug(2);
    EXPECT_TRUE(Eventually([&] { return capture.State() == CVoiceCapture::EState::Lost; }));
    EXPECT_TRUE(Eventually([&] { return capture.State() == CVoiceCapture::EState::Open; }));
    EXPECT_EQ(microphone.Openings(), 4);
    EXPECT_EQ(keys.Down(), 0) << "a key stayed held while the microphone was away";
    microphone.Play(material, 48000 * 5 / 4, material.afSamples.size()); // from 1.25 s
    EXPECT_TRUE(Eventually([&] { return keys.Keys().size() == 4; }));
    capture.Stop();
    EXPECT_EQ(keys.Keys(), (std::vector<int> {0, 3, 3, 4}));
}
