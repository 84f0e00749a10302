// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIconEngine>
#include <QPixmap>

// One 96 x 16 toolbar image of the strip ":/BITMAP/144", which also comes two and three times
// as large. Each request gets the image at its exact device size, from the smallest copy of
// the strip at least that large, scaled down smoothly: sharp at 1x, 2x and 3x, and never an
// enlarged small image at 1.25 or 1.5.
class CStripIconEngine : public QIconEngine
{
public:
    explicit CStripIconEngine(int nCell);

    // A null icon when the 1x strip is missing.
    static QIcon Icon(int nCell);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    // size in device pixels, as QIcon asks.
    QPixmap scaledPixmap(
        const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    void paint(QPainter* pPainter, const QRect& rc, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    // The cell at nWidth x nHeight device pixels, with that device pixel ratio.
    QPixmap Cell(int nWidth, int nHeight, qreal dRatio, QIcon::Mode mode) const;

    int m_nCell;
};
