// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game window as a screen reader sees it: the picture (CViewAccessible) and the menu bar
// (CMenuBarAccessible). Install() once, before the window is first asked for; later calls do
// nothing.
class CAccessibility
{
public:
    static void Install();
};
