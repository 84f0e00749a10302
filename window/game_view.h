// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class CScene;
class CMelodyGame;

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
    // The scene holds a new picture: repaint, and say so (PictureShown).
    void ShowNewPicture();

signals:
    // A new picture is on its way to the screen; what a screen reader is told follows it.
    void PictureShown();

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
