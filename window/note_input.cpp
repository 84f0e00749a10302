// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/note_input.h"

#include "game/melody_game.h"

#include <QApplication>

bool CNoteInput::IsBlocked()
{
    return QApplication::activeModalWidget() != nullptr;
}

void CNoteInput::Press(int k)
{
    if (IsKey(k) && !IsBlocked())
        m_game.OnLButtonDown(KeyCentreX(k), KeyCentreY());
}

void CNoteInput::Release()
{
    m_game.OnLButtonUp();
}

void CNoteInput::Sound(int k)
{
    if (IsKey(k) && !IsBlocked())
        m_game.OnRButtonDown(KeyCentreX(k), KeyCentreY());
}

void CNoteInput::Click(int k)
{
    if (!IsKey(k) || IsBlocked())
        return;
    Press(k);
    Release();
}
