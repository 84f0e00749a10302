#pragma once

#include <QWidget>

class CScene;
class CMelodyGame;
class CViewAccessible;

// The picture area below the toolbar. It only copies the finished back buffer (its first
// c_nShownRows rows) and turns mouse buttons into the game's input in client coordinates
// (view y + c_nClientTop, game/key_geometry.h). It keeps the picture at its screen's device
// pixel ratio: when the window moves to a screen with another ratio, or the screen's ratio
// changes, the picture is composed again at the new one before it is shown.
class CGameView : public QWidget
{
    Q_OBJECT
public:
    CGameView(CScene& scene, CMelodyGame& game, QWidget* pParent = nullptr);

    // Composes the picture again if the view's device pixel ratio (clamped to the picture's
    // range) is not the picture's. True when it did.
    bool FollowDevicePixelRatio();

    const CScene& Scene() const { return m_scene; }
    CMelodyGame& Game() const { return m_game; }
    // The scene holds a new picture: repaint, and tell a screen reader what changed.
    void ShowNewPicture();
    // The picture's accessible interface once a screen reader asked for it (it tells the view).
    void SetAccessible(CViewAccessible* pAccessible) { m_pAccessible = pAccessible; }

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    CScene& m_scene;
    CMelodyGame& m_game;
    CViewAccessible* m_pAccessible = nullptr;
};
