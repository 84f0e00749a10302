// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/midi_ports.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

bool IsMapped(const std::string& strLibrary)
{
    std::ifstream maps("/proc/self/maps");
    std::string strLine;
    while (std::getline(maps, strLine)) {
        if (strLine.find(strLibrary) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace

// Where no JACK server answers (a server name nobody uses) and, on machines without a sound
// card, no sequencer exists, the listener finds nothing, prints nothing and stops at once; the
// JACK library is not even loaded.
TEST(MidiPorts, WithoutAnyMidiSystemItFindsNothingAndSaysNothing)
{
    setenv("JACK_DEFAULT_SERVER", ("cantabell-none-" + std::to_string(getpid())).c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    int nNotes = 0;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    {
        CMidiPorts ports([&nNotes](int, bool) { ++nNotes; });
        ports.Start();
        for (int i = 0; i < 500 && ports.ScanCount() < 1; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_GE(ports.ScanCount(), 1);
        for (const std::string& strPort : ports.ListenedPorts())
            EXPECT_EQ(strPort.rfind("jack:", 0), std::string::npos) << strPort;
        if (access("/dev/snd/seq", F_OK) != 0) {
            EXPECT_TRUE(ports.ListenedPorts().empty());
        }
        ports.Stop();
        EXPECT_TRUE(ports.ListenedPorts().empty());
        EXPECT_FALSE(IsMapped("/libjack.so"));
        ports.Stop(); // twice is harmless
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(nNotes, 0);
}
