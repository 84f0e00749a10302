// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <mutex>

// Drops the copy of a note that reaches the game through a second port: a keyboard seen both
// as an ALSA port and through JACK's ALSA bridge sends every note twice, a few ms apart. A note
// is a copy when another port gave the same key and direction within c_nWindowMs and that note
// has not already been matched. A player cannot strike one key twice in so short a time, and
// notes from one port are never taken for copies. Thread-safe.
class CMirrorFilter
{
public:
    static constexpr int c_nWindowMs = 40;

    // True when the note goes on; nSource tells the ports apart, nNowMs is a steady clock.
    bool Pass(std::uintptr_t nSource, int nKey, bool bDown, std::int64_t nNowMs);

private:
    struct CSeen
    {
        std::uintptr_t m_nSource = 0;
        std::int64_t m_nMs = 0;
        int m_nKey = -1;
        bool m_bDown = false;
        bool m_bMatched = false;
    };

    std::mutex m_mutex;
    std::array<CSeen, 32> m_aSeen {}; // the latest notes passed on, oldest overwritten
    std::size_t m_nNext = 0;
};
