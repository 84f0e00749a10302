#pragma once

#include <QWidget>

class CScene;
class CMelodyGame;

// The picture area below the toolbar. It only copies the finished back buffer (its first
// c_nShownRows rows) and turns mouse buttons into the game's input in client coordinates
// (view y + c_nClientTop, game/key_geometry.h).
class CGameView : public QWidget
{
    Q_OBJECT
public:
    CGameView(const CScene& scene, CMelodyGame& game, QWidget* pParent = nullptr);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    const CScene& m_scene;
    CMelodyGame& m_game;
};
