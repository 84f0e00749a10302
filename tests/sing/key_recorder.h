// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sing/voice_listener.h"

#include <cstdint>
#include <vector>

// A key sink that writes down what it is told, with the sample position of each key.
class CKeyRecorder : public CKeySink
{
public:
    explicit CKeyRecorder(const CVoiceListener& listener)
        : m_listener(listener)
    { }

    void KeyDown(int nKey, int /*nNote*/) override
    {
        m_anKeys.push_back(nKey);
        m_anDownAt.push_back(m_listener.SamplesFed());
        ++m_nDown;
    }
    void KeyUp() override { --m_nDown; }

    std::vector<int> m_anKeys;
    std::vector<std::uint64_t> m_anDownAt; // stream position (samples) of each KeyDown
    int m_nDown = 0; // keys down minus keys up: 0 or 1
private:
    const CVoiceListener& m_listener;
};
