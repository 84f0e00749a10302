// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QVector>

class QPainter;

// Paints the toolbar strip: three 96 x 16 cells "Hear Again", "New Melody", "Delete Notes",
// each a 16 px symbol and its caption, on the toolbar's light grey, in 16 colours.
class CToolbarPainter
{
public:
    // The 288 x 16 strip painted nScale times as large (for screens with that many device
    // pixels per pixel), Format_Indexed8 with exactly the 16 colours of Palette().
    static QImage Strip(int nScale = 1);
    static QVector<QRgb> Palette();

private:
    // Each symbol draws in a 16 x 16 box whose top-left is the painter's origin.
    static void DrawEar(QPainter& painter);
    static void DrawNotes(QPainter& painter);
    static void DrawRewind(QPainter& painter);
    static void DrawCell(QPainter& painter, int nCell, const char* szCaption);
};
