// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette_bmp.h"

#include <QColor>
#include <QImage>

// The game's pictures. Sprites come back as RGB32 images in which pure white marks exactly the
// pixels outside the shape (the transparent colour); the texture comes back as 16 colours.
namespace Artwork {

// 80 x 80 tile of fine orange, tan and yellow grain; its left and right, top and bottom edges
// continue into each other, so tiles laid side by side show no seam.
CIndexedImage PaintTexture();

// 48 x 71 key: square top with a light edge, rounded bottom corners, dark sides.
QImage PaintKey(const QColor& crBody, const QColor& crLight, const QColor& crDark);

// 24 x 24 faces: a happy yellow one and a worried orange one.
QImage PaintHappy();
QImage PaintWorried();

// True when every pure white pixel can be reached from the image border through pure white
// pixels, i.e. no transparent hole lies inside the shape.
bool WhiteOnlyOutside(const QImage& img);

} // namespace Artwork
