// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/game_host.h"

// A host that ignores everything: for pictures and benchmarks whose turn state is set by hand.
class CQuietHost : public CGameHost
{
public:
    void StartTimer(int, int) override { }
    void StopTimer(int) override { }
    void PlayNote(int) override { }
    std::int64_t CurrentTime() override { return 0; }
    void DrawScene() override { }
};
