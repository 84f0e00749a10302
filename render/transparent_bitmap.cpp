// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/transparent_bitmap.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

CTransparentBitmap::CTransparentBitmap()
    : m_crTextColor(qRgb(0, 0, 0))
    , m_crBkColor(qRgb(255, 255, 255))
{ }

bool CTransparentBitmap::LoadBitmap(const QString& strPath)
{
    Attach(QImage(strPath));
    return !IsNull();
}

void CTransparentBitmap::Attach(const QImage& img)
{
    m_img = img.isNull() ? QImage() : img.convertToFormat(QImage::Format_RGB32);
    m_imgDrawn = QImage();
    m_imgMask = QImage();
    m_dRatio = 0;
}

void CTransparentBitmap::Prepare(qreal dRatio, QRgb crTransparent)
{
    const QRgb key = crTransparent & 0xffffffu;
    if (dRatio == m_dRatio && key == m_crMaskFor && !m_imgMask.isNull())
        return;
    QImage mask(m_img.size(), QImage::Format_RGB32);
    for (int y = 0; y < m_img.height(); ++y) {
        const QRgb* pSource = reinterpret_cast<const QRgb*>(m_img.constScanLine(y));
        QRgb* pMask = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < m_img.width(); ++x)
            pMask[x] = (pSource[x] & 0xffffffu) == key ? m_crBkColor : m_crTextColor;
    }
    if (dRatio != 1) {
        // Nearest neighbour, no blur: at a whole ratio every bitmap pixel becomes an exact
        // n x n block, at a fractional one a block of the nearest whole size.
        const QSize size(qRound(m_img.width() * dRatio), qRound(m_img.height() * dRatio));
        m_imgDrawn = m_img.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m_imgMask = mask.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        m_imgDrawn = m_img;
        m_imgMask = mask;
    }
    m_imgDrawn.setDevicePixelRatio(dRatio);
    m_imgMask.setDevicePixelRatio(dRatio);
    m_dRatio = dRatio;
    m_crMaskFor = key;
}

// The three raster operations fused into one pass over the destination's pixels: per pixel
// ((d ^ s) & m) ^ s, which is what XOR, AND, XOR leave. Only for an RGB32 image painted without
// a transform or clip of its own; false leaves the drawing to the painter.
bool CTransparentBitmap::BlitDirect(QPainter* pDC, int x, int y)
{
    QPaintDevice* pDevice = pDC->device();
    if (pDevice->devType() != QInternal::Image || !pDC->worldTransform().isIdentity()
        || pDC->hasClipping())
        return false;
    QImage* pImage = static_cast<QImage*>(pDevice);
    // A shared image would detach under scanLine() and leave the painter on the old pixels.
    if (!pImage->isDetached() || pImage->format() != QImage::Format_RGB32
        || pImage->devicePixelRatio() != m_dRatio)
        return false;
    const int dx = qRound(x * m_dRatio), dy = qRound(y * m_dRatio);
    const QRect target
        = QRect(dx, dy, m_imgDrawn.width(), m_imgDrawn.height()).intersected(pImage->rect());
    for (int row = target.top(); row <= target.bottom(); ++row) {
        QRgb* pDest = reinterpret_cast<QRgb*>(pImage->scanLine(row));
        const QRgb* pSource = reinterpret_cast<const QRgb*>(m_imgDrawn.constScanLine(row - dy));
        const QRgb* pMask = reinterpret_cast<const QRgb*>(m_imgMask.constScanLine(row - dy));
        for (int col = target.left(); col <= target.right(); ++col) {
            const QRgb s = pSource[col - dx];
            pDest[col] = ((pDest[col] ^ s) & pMask[col - dx]) ^ s;
        }
    }
    return true;
}

void CTransparentBitmap::DrawTransparent(QPainter* pDC, int x, int y, QRgb crTransparent)
{
    if (IsNull() || pDC == nullptr || !pDC->isActive())
        return;
    const qreal deviceRatio = pDC->device()->devicePixelRatio();
    Prepare(deviceRatio > 0 ? deviceRatio : 1, crTransparent);
    if (BlitDirect(pDC, x, y))
        return;

    const QPainter::CompositionMode oldMode = pDC->compositionMode();
    const QPoint at(x, y);
    pDC->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    pDC->drawImage(at, m_imgDrawn);
    pDC->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    pDC->drawImage(at, m_imgMask);
    pDC->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    pDC->drawImage(at, m_imgDrawn);
    pDC->setCompositionMode(oldMode);
}
