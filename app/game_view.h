#pragma once

#include <QWidget>

class CScene;
class CMelodyGame;

// The picture area below the toolbar. It copies the finished back buffer and turns mouse
// buttons into the game's input in client coordinates (view y + 32). It keeps the picture at
// its screen's device pixel ratio: when the window moves to a screen with another ratio, or
// the screen's ratio changes, the picture is composed again at the new one before it is shown.
class CGameView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int c_nClientTop = 32; // client y of the view's first row
    static constexpr int c_nShownRows = 273; // back-buffer rows that are ever copied

    CGameView(CScene& scene, CMelodyGame& game, QWidget* pParent = nullptr);

    // Composes the picture again if the view's device pixel ratio (clamped to the picture's
    // range) is not the picture's. True when it did.
    bool FollowDevicePixelRatio();

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    CScene& m_scene;
    CMelodyGame& m_game;
};
