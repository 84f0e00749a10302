// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture_fake.h"
#include "render/scene.h"

#include <QImage>

// A turn state set by hand and its picture, banner off, for composing the picture at any
// device pixel ratio.
class CSceneRig
{
public:
    CSceneRig()
        : m_scene(m_game)
    {
        m_game.m_bShowLevel = false;
    }

    // A copy of the back buffer composed at that ratio.
    QImage ComposeAt(qreal dRatio)
    {
        m_scene.SetDevicePixelRatio(dRatio);
        m_scene.Compose();
        return m_scene.BackBuffer().copy();
    }

    CPictureFake m_game;
    CScene m_scene;
};
