// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

// A palette image as it goes into a BMP file: one palette index per pixel, rows top to bottom.
struct CIndexedImage
{
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<QRgb> m_aPalette;
    std::vector<std::uint8_t> m_aIndex;
};

// Reduces an RGB image to at most nColours palette entries by median cut. Exact when the image
// holds no more distinct colours than that; every pixel maps to its nearest palette entry.
CIndexedImage Quantise(const QImage& img, int nColours);

// Writes an uncompressed Windows BMP (BITMAPINFOHEADER) of 4 or 8 bits per pixel.
bool WriteBmp(const QString& strPath, const CIndexedImage& img, int nBits);
