// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the output looks for a PipeWire server before trying its native stream.
#include "audio/audio_output.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

class MayHavePipeWireTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char szDir[] = "/tmp/cantabell-pw-XXXXXX";
        ASSERT_NE(mkdtemp(szDir), nullptr);
        m_strDir = szDir;
        for (const char* szName : {"PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR", "XDG_RUNTIME_DIR"})
            unsetenv(szName);
    }
    void TearDown() override
    {
        for (const char* szName : {"pipewire-0", "other"})
            std::remove((m_strDir + "/" + szName).c_str());
        rmdir(m_strDir.c_str());
    }
    void Touch(const char* szName)
    {
        std::fclose(std::fopen((m_strDir + "/" + szName).c_str(), "w"));
    }

    std::string m_strDir;
};

TEST_F(MayHavePipeWireTest, LooksForTheSocketWhereClientsDo)
{
    EXPECT_TRUE(AudioOutput::MayHavePipeWire()); // no folder known: it may still answer
    setenv("XDG_RUNTIME_DIR", m_strDir.c_str(), 1);
    EXPECT_FALSE(AudioOutput::MayHavePipeWire());
    Touch("pipewire-0");
    EXPECT_TRUE(AudioOutput::MayHavePipeWire());
    setenv("PIPEWIRE_REMOTE", "other", 1);
    EXPECT_FALSE(AudioOutput::MayHavePipeWire());
    setenv("PIPEWIRE_REMOTE", (m_strDir + "/pipewire-0").c_str(), 1);
    EXPECT_TRUE(AudioOutput::MayHavePipeWire());
    unsetenv("PIPEWIRE_REMOTE");
    setenv("PIPEWIRE_RUNTIME_DIR", "/nonexistent", 1); // wins over XDG_RUNTIME_DIR
    EXPECT_FALSE(AudioOutput::MayHavePipeWire());
}

} // namespace
