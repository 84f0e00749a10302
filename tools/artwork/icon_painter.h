// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

class QPainter;

// Paints the game's emblem, a smiling yellow note on a blue key tile, at any icon size and as
// the About picture. Every size is drawn at its own resolution; 16 px is hand-set pixel art.
class CIconPainter
{
public:
    // A square ARGB32 icon of nSize pixels, transparent outside the tile.
    static QImage Icon(int nSize);
    // The 36 x 49 About picture, opaque, on the dialog's grey (RGB 239,239,239).
    static QImage AboutPicture();

private:
    static QImage PixelIcon16();
    // Draws the motif in a 256-unit design square; nPixel is one device pixel in design units.
    static void DrawTile(QPainter& painter, qreal nPixel, bool bStaff);
    static void DrawNote(QPainter& painter, qreal nPixel);
};
