// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/cell_font.h"

#include <QFontMetrics>
#include <QPainter>

void CCellFont::Create(const QString& strFace, int nCellHeight, QFont::Weight weight)
{
    m_font = QFont(strFace);
    m_font.setWeight(weight);
    m_font.setStyleStrategy(QFont::PreferAntialias);
    // Light (vertical-only) hinting, the desktop default, asked for explicitly: left to the
    // machine's font configuration, widths and shapes would follow its settings.
    m_font.setHintingPreference(QFont::PreferVerticalHinting);
    // The largest pixel size whose cell fits. Heights grow with the size, so start from the
    // size that one probe predicts and step from there: each probe loads a font engine.
    const int wanted = std::max(1, nCellHeight);
    const int probe = CellHeightAt(wanted);
    int size = probe > 0 ? std::max(1, wanted * wanted / probe) : wanted;
    while (size > 1 && CellHeightAt(size) > wanted)
        --size;
    while (size < wanted && CellHeightAt(size + 1) <= wanted)
        ++size;
    m_font.setPixelSize(size);
    const QFontMetrics metrics(m_font);
    m_nAscent = metrics.ascent();
    m_nCellHeight = metrics.height();
}

int CCellFont::CellHeightAt(int nPixelSize)
{
    m_font.setPixelSize(nPixelSize);
    return QFontMetrics(m_font).height();
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
