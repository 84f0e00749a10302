#include "app/game_view.h"

#include "app/view_accessible.h"
#include "game/key_geometry.h"
#include "game/melody_game.h"
#include "render/scene.h"

#include <QMouseEvent>
#include <QPainter>

CGameView::CGameView(const CScene& scene, CMelodyGame& game, QWidget* pParent)
    : QWidget(pParent)
    , m_scene(scene)
    , m_game(game)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    CViewAccessible::Install();
}

void CGameView::ShowNewPicture()
{
    update();
    // Until a screen reader asks for the picture there is nothing to tell.
    if (m_pAccessible != nullptr)
        m_pAccessible->Refresh();
}

void CGameView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QImage& back = m_scene.BackBuffer();
    const qreal ratio = back.devicePixelRatio();
    const QRect source(0, 0, back.width(), qRound(c_nShownRows * ratio));
    painter.drawImage(QRectF(0, 0, back.width() / ratio, c_nShownRows), back, source);
}

void CGameView::mousePressEvent(QMouseEvent* pEvent)
{
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
