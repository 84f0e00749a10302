// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/common/quiet_host.h"

#include <QImage>
#include <QRect>
#include <functional>

// Reading a composed picture in picture pixels, whatever its device pixel ratio.
namespace Probe {

// The colour at picture pixel (x, y): the device pixel at its top-left corner.
QRgb At(const QImage& img, int x, int y);

// Device pixels inside the picture rectangle rc (every device pixel it touches) for which the
// predicate holds.
int Count(const QImage& img, const QRect& rc, const std::function<bool(QRgb)>& test);

// Device-pixel bounding box of those pixels, in picture pixels (rounded down); null if none.
QRect Bounds(const QImage& img, const QRect& rc, const std::function<bool(QRgb)>& test);

// Pixels of the sprite (other than pure white, within the sprite rectangle part) that are not
// found at (x, y) of the picture.
int SpriteMismatches(const QImage& img, const QImage& sprite, int x, int y, const QRect& part);

bool Near(QRgb c, QRgb want, int tolerance);

} // namespace Probe
