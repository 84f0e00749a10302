// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Timer ids and periods of the game (ms).
enum : int
{
    TIMER_REDRAW = 200,
    TIMER_PLAY = 201,
    TIMER_RESULT = 202,
    TIMER_LEVEL = 203,
};
constexpr int c_nTimerCount = TIMER_LEVEL - TIMER_REDRAW + 1; // the ids are consecutive

constexpr int c_nRedrawPeriodMs = 50;
constexpr int c_nPlayPeriodMs = 600;
constexpr int c_nResultPeriodMs = 2000;
constexpr int c_nLevelPeriodMs = 2500;
