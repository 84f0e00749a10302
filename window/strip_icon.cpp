// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/strip_icon.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QtMath>
#include <array>

namespace {

constexpr int c_nCellWidth = 96;
constexpr int c_nCellHeight = 16;
constexpr int c_nLargest = 3; // the strip comes at 1x, 2x and 3x

// The strip at 1x, 2x and 3x; a copy that is missing or of the wrong size is null.
const std::array<QPixmap, c_nLargest>& Strips()
{
    static const std::array<QPixmap, c_nLargest> strips = [] {
        std::array<QPixmap, c_nLargest> loaded;
        for (int n = 1; n <= c_nLargest; ++n) {
            const QString path = n == 1 ? QStringLiteral(":/BITMAP/144")
                                        : QStringLiteral(":/BITMAP/144@%1x").arg(n);
            const QPixmap strip(path);
            if (strip.size() == QSize(3 * c_nCellWidth * n, c_nCellHeight * n))
                loaded[n - 1] = strip;
        }
        return loaded;
    }();
    return strips;
}

} // namespace

CStripIconEngine::CStripIconEngine(int nCell)
    : m_nCell(nCell)
{ }

QIcon CStripIconEngine::Icon(int nCell)
{
    return Strips()[0].isNull() ? QIcon() : QIcon(new CStripIconEngine(nCell));
}

QPixmap CStripIconEngine::Cell(int nWidth, int nHeight, qreal dRatio, QIcon::Mode mode) const
{
    // The smallest copy at least as large as asked for, else the largest there is.
    int n = std::clamp(qCeil(dRatio - 0.001), 1, c_nLargest);
    while (n > 1 && Strips()[n - 1].isNull())
        --n;
    const QPixmap cell
        = Strips()[n - 1].copy(c_nCellWidth * n * m_nCell, 0, c_nCellWidth * n, c_nCellHeight * n);
    QPixmap sized = cell.size() == QSize(nWidth, nHeight)
        ? cell
        : cell.scaled(nWidth, nHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (mode == QIcon::Disabled || mode == QIcon::Selected) {
        QStyleOption option;
        sized = QApplication::style()->generatedIconPixmap(mode, sized, &option);
    }
    sized.setDevicePixelRatio(dRatio);
    return sized;
}

QPixmap CStripIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State)
{
    const QSize actual = actualSize(size, mode, QIcon::Off);
    return Cell(actual.width(), actual.height(), 1, mode);
}

QPixmap CStripIconEngine::scaledPixmap(
    const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale)
{
    // size is in device pixels already.
    const QSize actual = actualSize(size, mode, QIcon::Off);
    return Cell(actual.width(), actual.height(), scale, mode);
}

void CStripIconEngine::paint(
    QPainter* pPainter, const QRect& rc, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = pPainter->device()->devicePixelRatio();
    const QPixmap pm = scaledPixmap(rc.size() * ratio, mode, state, ratio);
    pPainter->drawPixmap(rc.topLeft(), pm);
}

QSize CStripIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    return QSize(c_nCellWidth, c_nCellHeight).scaled(size, Qt::KeepAspectRatio).boundedTo(size);
}

QIconEngine* CStripIconEngine::clone() const
{
    return new CStripIconEngine(m_nCell);
}
