// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hyperlink/hyperlink.h"

#include "desktop/shell_open.h"
#include "hyperlink/link_opener.h"

#include <QApplication>
#include <QByteArray>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

const QColor g_crLink(0, 0, 255);
const QColor g_crActive(0, 128, 128);
const QColor g_crFollowed(128, 0, 128);
const QColor g_crHover(255, 0, 0);

namespace {

constexpr int c_nShowCommand = 5; // "show the window": meaningless here, passed on as given

bool IsLeftButton(const QEvent* pEvent)
{
    return static_cast<const QMouseEvent*>(pEvent)->button() == Qt::LeftButton;
}

} // namespace

CHyperLink::CHyperLink(QObject* pParent)
    : QObject(pParent)
{ }

CHyperLink::~CHyperLink()
{
    if (m_pLabel)
        m_pLabel->removeEventFilter(this);
    if (m_pWindow)
        m_pWindow->removeEventFilter(this);
}

void CHyperLink::SubclassWidget(QLabel* pLabel)
{
    if (pLabel == nullptr || m_pLabel)
        return;
    m_pLabel = pLabel;
    PreSubclassWindow();
    m_pLabel->installEventFilter(this);
    // A press elsewhere in the window keeps the mouse there until the release, so a release over
    // the link is seen through the window.
    if (pLabel->window() != pLabel) {
        m_pWindow = pLabel->window();
        m_pWindow->installEventFilter(this);
    }
}

QLabel* CHyperLink::GetLabel() const
{
    return m_pLabel.data();
}

void CHyperLink::PreSubclassWindow()
{
    // An address is shown as it is written, never read as markup.
    m_pLabel->setTextFormat(Qt::PlainText);
    if (m_strTarget.isEmpty())
        m_strTarget = m_pLabel->text();
    if (m_pLabel->text().isEmpty())
        m_pLabel->setText(m_strTarget);

    // A widget always has a font, so the link font is always made from the label's.
    m_fontLink = m_pLabel->font();
    m_fontLink.setUnderline((m_dwLinkStyle & HLS_UNDERLINE) != 0);
    m_pLabel->setFont(m_fontLink);
    m_bHasLinkFont = true;
    FitToText();

    // The pointing hand exists on every display server Qt supports: no failure to handle.
    if ((m_dwLinkStyle & HLS_NOHANDCURSOR) == 0)
        m_pLabel->setCursor(Qt::PointingHandCursor);
    m_pLabel->setToolTip(m_strTarget);

    // Hover needs moves without a pressed button; every point of the label takes the mouse.
    m_pLabel->setMouseTracking(true);
    m_pLabel->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_pLabel->setAutoFillBackground(false);
    Invalidate();
}

void CHyperLink::FitToText()
{
    if ((m_dwLinkStyle & HLS_AUTOSIZE) == 0)
        return;
    // Parent coordinates, with right and bottom exclusive.
    const QRect rcWindow = m_pLabel->geometry();
    const QRect rcClient = m_pLabel->contentsRect();
    const int nBorderWidth = rcWindow.width() - rcClient.width();
    const int nBorderHeight = rcWindow.height() - rcClient.height();

    const QFontMetrics metrics(m_fontLink);
    const int cx = metrics.horizontalAdvance(m_pLabel->text());
    const int cy = metrics.height();

    int nLeft = rcWindow.x();
    int nTop = rcWindow.y();
    int nRight = nLeft + rcWindow.width();
    int nBottom = nTop + rcWindow.height();
    const Qt::Alignment alignment = m_pLabel->alignment();
    // The halves truncate towards zero: an odd difference leaves one pixel over (or short).
    if (alignment & Qt::AlignVCenter) {
        const int d = ((nBottom - nTop) - cy) / 2;
        nTop += d;
        nBottom -= d;
    } else {
        nBottom = nTop + cy;
    }
    if (alignment & Qt::AlignHCenter) {
        const int d = ((nRight - nLeft) - cx) / 2;
        nLeft += d;
        nRight -= d;
    } else if (alignment & Qt::AlignRight) {
        nLeft = nRight - cx;
    } else {
        nRight = nLeft + cx;
    }
    m_pLabel->setGeometry(
        nLeft, nTop, (nRight - nLeft) + nBorderWidth, (nBottom - nTop) + nBorderHeight);
}

QColor CHyperLink::CtlColor() const
{
    if (m_bHover && (m_dwLinkStyle & HLS_HOVERCOLOR) != 0)
        return g_crHover;
    if ((m_dwLinkStyle & HLS_NOACTIVECOLOR) == 0 && m_bActive)
        return g_crActive;
    if (m_bFollowed)
        return g_crFollowed;
    return g_crLink;
}

void CHyperLink::Invalidate()
{
    if (!m_pLabel)
        return;
    QPalette palette = m_pLabel->palette();
    palette.setColor(QPalette::WindowText, CtlColor());
    m_pLabel->setPalette(palette);
    m_pLabel->update();
}

void CHyperLink::OpenTarget()
{
    if (IsShellOpenInProgress())
        return; // one open at a time; the running one decides the link's state
    int nResult = 2;
    if (m_fnOpen) {
        nResult = m_fnOpen(m_strTarget, c_nShowCommand);
    } else {
        const QByteArray target = m_strTarget.toUtf8();
        if (!target.contains('\0'))
            nResult = OpenLink(target.constData(), c_nShowCommand);
    }
    if (IsOpenSuccess(nResult)) {
        m_bFollowed = true;
        Invalidate();
        return;
    }
    QApplication::beep();
    ShowOpenError(nResult);
}

void CHyperLink::OnMouseMove(const QMouseEvent* pEvent)
{
    if (!m_bHover) {
        m_bHover = true;
        Invalidate();
    } else if (!m_pLabel->rect().contains(pEvent->position().toPoint())) {
        m_bHover = false;
        Invalidate();
    }
}

void CHyperLink::OnLButtonDown()
{
    if ((m_dwLinkStyle & HLS_FOCUSONCLICK) != 0)
        m_pLabel->setFocus(Qt::MouseFocusReason);
    if ((m_dwLinkStyle & HLS_OPENONDOWN) != 0)
        OpenTarget();
    m_bActive = true;
    Invalidate();
}

void CHyperLink::OnLButtonUp()
{
    if (m_bActive && (m_dwLinkStyle & HLS_OPENONDOWN) == 0)
        OpenTarget();
}

void CHyperLink::OnSetFocus()
{
    m_bActive = true;
    Invalidate();
}

void CHyperLink::OnKillFocus()
{
    m_bHover = false;
    m_bActive = false;
    Invalidate();
}

bool CHyperLink::OnKeyDown(const QKeyEvent* pEvent)
{
    if (pEvent->key() != Qt::Key_Space)
        return false;
    OpenTarget();
    return true;
}

bool CHyperLink::IsOverLabel(const QMouseEvent* pEvent) const
{
    return m_pLabel->isVisible()
        && m_pLabel->rect().contains(m_pLabel->mapFromGlobal(pEvent->globalPosition()).toPoint());
}

bool CHyperLink::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pWindow && m_pLabel && pEvent->type() == QEvent::MouseButtonRelease) {
        // The press was not on the link; a release over it opens it as long as it is active.
        if (IsLeftButton(pEvent) && IsOverLabel(static_cast<QMouseEvent*>(pEvent)))
            OnLButtonUp();
        return false;
    }
    if (pWatched != m_pLabel)
        return QObject::eventFilter(pWatched, pEvent);
    switch (pEvent->type()) {
    case QEvent::MouseMove:
        OnMouseMove(static_cast<QMouseEvent*>(pEvent));
        return true;
    case QEvent::Leave: // the pointer left without a move inside being reported
        if (m_bHover) {
            m_bHover = false;
            Invalidate();
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // a second quick press is a press like any other
        if (IsLeftButton(pEvent))
            OnLButtonDown();
        return true;
    case QEvent::MouseButtonRelease:
        // The label keeps the mouse from the press on: a release off the link opens nothing.
        if (IsLeftButton(pEvent) && IsOverLabel(static_cast<QMouseEvent*>(pEvent)))
            OnLButtonUp();
        return true;
    case QEvent::FocusIn:
        OnSetFocus();
        return false;
    case QEvent::FocusOut:
        OnKillFocus();
        return false;
    case QEvent::KeyPress:
        return OnKeyDown(static_cast<QKeyEvent*>(pEvent));
    default:
        return false;
    }
}
