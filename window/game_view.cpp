// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/game_view.h"

#include "game/key_geometry.h"
#include "game/melody_game.h"
#include "render/scene.h"
#include "window/note_input.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>

CGameView::CGameView(CScene& scene, CMelodyGame& game, QWidget* pParent)
    : QWidget(pParent)
    , m_scene(scene)
    , m_game(game)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    // The view holds the keyboard focus while the game is played: the note keys reach the
    // window through it, and a screen reader follows the game from it.
    setFocusPolicy(Qt::StrongFocus);
}

void CGameView::ShowNewPicture()
{
    update();
    emit PictureShown();
}

bool CGameView::FollowDevicePixelRatio()
{
    const qreal before = m_scene.DevicePixelRatio();
    // A ratio out of the picture's range is clamped: it may leave the picture as it is.
    m_scene.SetDevicePixelRatio(devicePixelRatioF());
    if (m_scene.DevicePixelRatio() == before)
        return false;
    m_scene.Compose();
    return true;
}

// A move to another screen reaches every widget of the window as this event; the scale of
// the screen it is on changing brings a repaint, which checks the ratio as well.
bool CGameView::event(QEvent* pEvent)
{
    const bool handled = QWidget::event(pEvent);
    if (pEvent->type() == QEvent::ScreenChangeInternal && FollowDevicePixelRatio())
        update();
    return handled;
}

void CGameView::paintEvent(QPaintEvent*)
{
    FollowDevicePixelRatio();
    QPainter painter(this);
    const QImage& back = m_scene.BackBuffer();
    const qreal ratio = back.devicePixelRatio();
    // Whole device rows, copied one to one: the buffer is at the window's own ratio.
    const QRect source(0, 0, back.width(), std::min(back.height(), qCeil(c_nShownRows * ratio)));
    painter.drawImage(QRectF(0, 0, source.width() / ratio, source.height() / ratio), back, source);
}

void CGameView::mousePressEvent(QMouseEvent* pEvent)
{
    // Qt keeps a modal dialog's clicks away already; the gate is the same for every source.
    if (CNoteInput::IsBlocked())
        return;
    const QPoint at = pEvent->position().toPoint();
    const int clientY = at.y() + c_nClientTop;
    if (pEvent->button() == Qt::LeftButton)
        m_game.OnLButtonDown(at.x(), clientY);
    else if (pEvent->button() == Qt::RightButton)
        m_game.OnRButtonDown(at.x(), clientY);
}

// The second press of a double click is an ordinary press: fast clicks enter every note.
void CGameView::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    mousePressEvent(pEvent);
}

void CGameView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        m_game.OnLButtonUp();
}
