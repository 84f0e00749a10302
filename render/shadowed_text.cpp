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

void CShadowedText::Draw(QPainter& dc, const CCellFont& font, int x, int y, const QString& str,
    const QPen& penShadow, const QPen& penText)
{
    const int ratio = std::max(1, static_cast<int>(std::lround(dc.device()->devicePixelRatio())));
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
    if (!same || ratio != m_nRatio || m_imgLayer.isNull()) {
        // Room for glyphs that overhang their advance and for the shadow.
        const int margin = font.CellHeight() / 2;
        const int width = font.TextWidth(str) + 2 * margin + c_nShadow;
        const int height = font.CellHeight() + 2 * margin + c_nShadow;
        m_ptLayer = QPoint(-font.TextWidth(str) / 2 - margin, -margin);
        m_imgLayer = QImage(width * ratio, height * ratio, QImage::Format_ARGB32_Premultiplied);
        m_imgLayer.setDevicePixelRatio(ratio);
        m_imgLayer.fill(Qt::transparent);
        m_nRatio = ratio;
        QPainter layer(&m_imgLayer);
        Paint(layer, font, -m_ptLayer.x(), -m_ptLayer.y());
    }
    dc.drawImage(QPoint(x, y) + m_ptLayer, m_imgLayer);
}
