#include "render/scene.h"

#include "game/melody_game.h"

CScene::CScene(const CMelodyGame& game)
    : m_game(game)
    , m_imgBack(m_nWidth, m_nHeight, QImage::Format_RGB32)
{
}

void CScene::Compose() { m_imgBack.fill(Qt::white); }
