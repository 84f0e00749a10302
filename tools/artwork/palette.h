// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QVector>

// Maps an opaque picture onto a fixed colour table (nearest colour, no dithering), so that
// small pictures keep their hard edges and exact key colours.
QImage QuantizeToPalette(const QImage& img, const QVector<QRgb>& aPalette);

// Composes an image with alpha over a solid background colour; the result is opaque RGB32.
QImage FlattenOnto(const QImage& img, QRgb crBackground);
