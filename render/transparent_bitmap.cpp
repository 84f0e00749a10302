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

void CTransparentBitmap::DrawTransparent(QPainter* pDC, int x, int y, QRgb crTransparent)
{
    if (IsNull() || pDC == nullptr || !pDC->isActive())
        return;
    const qreal deviceRatio = pDC->device()->devicePixelRatio();
    Prepare(std::max(1, static_cast<int>(std::lround(deviceRatio))), crTransparent);

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
