// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/shadowed_text.h"

#include "render/cell_font.h"

#include <QPainter>
#include <cmath>

namespace {

// Glyphs up to this many device pixels high come from the raster engine's glyph cache.
constexpr int c_nCachedGlyphSize = 64;

} // namespace

void CShadowedText::Paint(QPainter& dc, const CCellFont& font, int x, int y) const
{
    dc.setPen(m_penShadow);
    font.DrawCentred(dc, x + c_nShadow, y + c_nShadow, m_str);
    dc.setPen(m_penText);
    font.DrawCentred(dc, x, y, m_str);
}

void CShadowedText::PaintLayer(const CCellFont& font, qreal dRatio, const QPointF& ptOffset)
{
    // Room for glyphs that overhang their advance, for the shadow and for the offset.
    const int margin = font.CellHeight() / 2;
    const int width = font.TextWidth(m_str) + 2 * margin + c_nShadow + 1;
    const int height = font.CellHeight() + 2 * margin + c_nShadow + 1;
    m_ptLayer = QPoint(-font.TextWidth(m_str) / 2 - margin, -margin);
    m_imgLayer = QImage(static_cast<int>(std::ceil(width * dRatio)),
        static_cast<int>(std::ceil(height * dRatio)), QImage::Format_ARGB32_Premultiplied);
    m_imgLayer.fill(Qt::transparent);
    m_dRatio = dRatio;
    m_ptOffset = ptOffset;
    // Scaled and moved in one matrix, the offset in device pixels: the glyphs' device
    // positions then come out of the same arithmetic as when they are drawn straight.
    QPainter layer(&m_imgLayer);
    layer.setTransform(QTransform(dRatio, 0, 0, dRatio, ptOffset.x(), ptOffset.y()));
    Paint(layer, font, -m_ptLayer.x(), -m_ptLayer.y());
    layer.end();
    m_imgLayer.setDevicePixelRatio(dRatio);
}

void CShadowedText::Draw(QPainter& dc, const CCellFont& font, int x, int y, const QString& str,
    const QPen& penShadow, const QPen& penText)
{
    const qreal ratio = std::max(qreal(1), dc.device()->devicePixelRatio());
    const bool cached = font.Font().pixelSize() * ratio <= c_nCachedGlyphSize;
    const bool same = str == m_str && penShadow == m_penShadow && penText == m_penText;
    if (!same) {
        m_str = str;
        m_penShadow = penShadow;
        m_penText = penText;
    }
    if (cached) {
        Paint(dc, font, x, y);
        return;
    }
    // The layer goes on whole device pixels: drawn at a fractional device position it would be
    // resampled. Its corner in device pixels, and how far that lies past a whole pixel.
    const int margin = font.CellHeight() / 2;
    const QPointF corner = QPointF(x - font.TextWidth(str) / 2 - margin, y - margin) * ratio;
    const QPointF whole(std::floor(corner.x()), std::floor(corner.y()));
    const QPointF offset = corner - whole;
    if (!same || ratio != m_dRatio || offset != m_ptOffset || m_imgLayer.isNull())
        PaintLayer(font, ratio, offset);
    dc.drawImage(whole / ratio, m_imgLayer);
}
