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
    m_nRatio = 0;
}

void CTransparentBitmap::Prepare(int nRatio, QRgb crTransparent)
{
    const QRgb key = crTransparent & 0xffffffu;
    if (nRatio == m_nRatio && key == m_crMaskFor && !m_imgMask.isNull())
        return;
    QImage mask(m_img.size(), QImage::Format_RGB32);
    for (int y = 0; y < m_img.height(); ++y) {
        const QRgb* pSource = reinterpret_cast<const QRgb*>(m_img.constScanLine(y));
        QRgb* pMask = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < m_img.width(); ++x)
            pMask[x] = (pSource[x] & 0xffffffu) == key ? m_crBkColor : m_crTextColor;
    }
    if (nRatio > 1) {
        // Nearest neighbour: every bitmap pixel becomes an exact n x n block, no blur.
        const QSize size = m_img.size() * nRatio;
        m_imgDrawn = m_img.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m_imgMask = mask.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        m_imgDrawn = m_img;
        m_imgMask = mask;
    }
    m_imgDrawn.setDevicePixelRatio(nRatio);
    m_imgMask.setDevicePixelRatio(nRatio);
    m_nRatio = nRatio;
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
        || std::lround(pImage->devicePixelRatio()) != m_nRatio)
        return false;
    const QRect target = QRect(x * m_nRatio, y * m_nRatio, m_imgDrawn.width(), m_imgDrawn.height())
                             .intersected(pImage->rect());
    const int dx = x * m_nRatio, dy = y * m_nRatio;
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
    Prepare(std::max(1, static_cast<int>(std::lround(deviceRatio))), crTransparent);
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
