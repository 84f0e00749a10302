// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

class CTurnPicture;

// Everything of the turn state that the picture shows, in one comparable value: two frames
// with equal keys are the same picture.
class CSceneKey
{
public:
    CSceneKey() = default;
    CSceneKey(const CTurnPicture& game, int nRatio);

    bool operator==(const CSceneKey& other) const;
    bool operator!=(const CSceneKey& other) const { return !(*this == other); }

private:
    int m_nEntered = -1; // -1: no frame yet
    int m_nLength = 0;
    int m_nFeedback = 0;
    int m_nRatio = 0;
    std::uint32_t m_uFlags = 0; // held keys, judgement, verdict, banner
    std::array<std::int8_t, 12> m_aSmiley {}; // entered note * 2 + 1 when it matches the melody
};
