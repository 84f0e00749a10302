// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// What the game needs from its window: timers, one note at a time, the clock and a redraw.
class CGameHost
{
public:
    virtual ~CGameHost() = default;

    // A periodic tick with this id every nPeriodMs; starting a running id restarts it.
    virtual void StartTimer(int nId, int nPeriodMs) = 0;
    virtual void StopTimer(int nId) = 0;
    // Sounds note k (0..7) once; cuts off any note still sounding.
    virtual void PlayNote(int nNote) = 0;
    // Seconds since 1 January 1970, for seeding the melody generator.
    virtual std::int64_t CurrentTime() = 0;
    // Compose the picture from the turn state and show it.
    virtual void DrawScene() = 0;
};
