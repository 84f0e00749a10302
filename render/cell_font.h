// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

class QPainter;

// A font asked for by its cell height (ascent + descent, in picture pixels) and drawn with the
// cell's top at the given y, the way the game lays out its texts.
class CCellFont
{
public:
    // Picks the largest pixel size of strFace whose cell is no taller than nCellHeight. When
    // the face is missing, font matching substitutes one and the same rule applies to it.
    void Create(const QString& strFace, int nCellHeight, QFont::Weight weight);

    const QFont& Font() const { return m_font; }
    int Ascent() const { return m_nAscent; }
    int CellHeight() const { return m_nCellHeight; }
    int TextWidth(const QString& str) const;

    // Text with its cell's top-left corner at (x, y). The painter's pen gives the colour.
    void DrawText(QPainter& dc, int x, int y, const QString& str) const;
    // Text centred horizontally on x by its advance width, cell top at y.
    void DrawCentred(QPainter& dc, int x, int y, const QString& str) const;

private:
    // The cell height (ascent + descent) of the face at nPixelSize; leaves that size set.
    int CellHeightAt(int nPixelSize);
    QFont m_font;
    int m_nAscent = 0;
    int m_nCellHeight = 0;
};
