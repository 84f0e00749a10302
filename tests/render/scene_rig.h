#pragma once

#include "game/melody_game.h"
#include "render/scene.h"
#include "tests/common/quiet_host.h"

#include <QImage>

// A game with a host that ignores everything and its picture, banner off, for composing the
// picture at any device pixel ratio.
class CSceneRig
{
public:
    CSceneRig()
        : m_game(m_host)
        , m_scene(m_game)
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

    CQuietHost m_host;
    CMelodyGame m_game;
    CScene m_scene;
};
