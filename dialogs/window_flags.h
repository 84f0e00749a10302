// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

// The frame of the game's dialogs: a title and a close button, no minimize or maximize
// buttons. Combined with the game window as parent, compositors keep them over that window.
inline Qt::WindowFlags DialogWindowFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}
