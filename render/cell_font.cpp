#include "render/cell_font.h"

#include <QFontMetrics>
#include <QPainter>

void CCellFont::Create(const QString& strFace, int nCellHeight, QFont::Weight weight)
{
    m_font = QFont(strFace);
    m_font.setWeight(weight);
    m_font.setStyleStrategy(QFont::PreferAntialias);
    int size = std::max(1, nCellHeight);
    for (; size > 1; --size) {
        m_font.setPixelSize(size);
        if (QFontMetrics(m_font).height() <= nCellHeight)
            break;
    }
    m_font.setPixelSize(size);
    const QFontMetrics metrics(m_font);
    m_nAscent = metrics.ascent();
    m_nCellHeight = metrics.height();
}

int CCellFont::TextWidth(const QString& str) const
{
    return QFontMetrics(m_font).horizontalAdvance(str);
}

void CCellFont::DrawText(QPainter& dc, int x, int y, const QString& str) const
{
    dc.setFont(m_font);
    dc.drawText(QPoint(x, y + m_nAscent), str);
}

void CCellFont::DrawCentred(QPainter& dc, int x, int y, const QString& str) const
{
    DrawText(dc, x - TextWidth(str) / 2, y, str);
}
