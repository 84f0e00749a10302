// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

class QPainter;

// A bitmap that draws itself with one colour left transparent: image XOR, mask AND, image XOR,
// so every pixel of exactly the transparent colour leaves the destination as it was.
class CTransparentBitmap
{
public:
    CTransparentBitmap();

    // Attaches the bitmap resource at strPath (e.g. ":/BITMAP/122"). False, and nothing
    // attached, when it does not load; such a bitmap draws nothing.
    bool LoadBitmap(const QString& strPath);
    // Attaches an image that is already in memory (null detaches).
    void Attach(const QImage& img);

    // Draws the whole bitmap with its top-left corner at (x, y), in the painter's logical
    // pixels. The painter must be on an off-screen image: it holds a mixed picture in between.
    // On a device with r device pixels per logical pixel the bitmap is enlarged to r times its
    // size without smoothing (each device pixel shows the nearest bitmap pixel), its corner on
    // the device pixel nearest (x, y) * r. The painter's state is left as it was.
    void DrawTransparent(QPainter* pDC, int x, int y, QRgb crTransparent);

    // Size in bitmap pixels; 0 without a bitmap.
    int GetWidth() const { return m_img.width(); }
    int GetHeight() const { return m_img.height(); }
    bool IsNull() const { return m_img.isNull(); }

private:
    // Fixed: the cached mask below is built from them.
    QRgb m_crTextColor; // mask value for painted pixels: clears the destination under the AND
    QRgb m_crBkColor; // mask value for transparent pixels: keeps the destination under the AND

    void Prepare(qreal dRatio, QRgb crTransparent);
    bool BlitDirect(QPainter* pDC, int x, int y);

    QImage m_img; // RGB32: Qt would convert a palette image on every draw

    // The mask depends only on the image and the transparent colour, and the enlarged copies
    // only on the device ratio, so they are made once and kept rather than every frame.
    QImage m_imgDrawn; // m_img enlarged m_dRatio times
    QImage m_imgMask; // m_crBkColor where m_img is transparent, m_crTextColor elsewhere
    qreal m_dRatio = 0; // 0: nothing prepared yet
    QRgb m_crMaskFor = 0;
};
