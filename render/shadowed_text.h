// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPen>
#include <QString>

class CCellFont;
class QPainter;

// A text with its shadow 2 pixels right and down, centred on x with its cell top at y
// (picture pixels). Glyphs that come out larger than the raster engine caches (at a high device
// pixel ratio) are filled as outlines, which costs milliseconds a frame; such a text is painted
// once into a layer and the layer is laid over the picture until text, colours or ratio change.
class CShadowedText
{
public:
    void Draw(QPainter& dc, const CCellFont& font, int x, int y, const QString& str,
        const QPen& penShadow, const QPen& penText);

private:
    static constexpr int c_nShadow = 2; // pixels right and down

    void Paint(QPainter& dc, const CCellFont& font, int x, int y) const;
    void PaintLayer(const CCellFont& font, qreal dRatio, const QPointF& ptOffset);

    QImage m_imgLayer; // premultiplied ARGB at the picture's device ratio
    QPoint m_ptLayer; // where the layer's top-left goes, relative to (x, y)
    // Device pixels the layer's corner lies right of and below the device pixel it is put on:
    // the texts in the layer are moved by as much, so that they land where drawing them
    // straight would put them.
    QPointF m_ptOffset;
    QString m_str;
    QPen m_penShadow;
    QPen m_penText;
    qreal m_dRatio = 0;
};
