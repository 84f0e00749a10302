// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fonts asked for by cell height get the largest pixel size whose cell still fits.
#include "render/cell_font.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

int CellHeight(const QFont& font, int nPixelSize)
{
    QFont sized(font);
    sized.setPixelSize(nPixelSize);
    return QFontMetrics(sized).height();
}

} // namespace

TEST(CellFontTest, PicksTheLargestSizeWhoseCellFits)
{
    const struct
    {
        const char* szFace;
        QFont::Weight weight;
    } faces[] = {{"Arial", QFont::Bold}, {"Comic Sans MS", QFont::Bold},
        {"Comic Sans MS", QFont::DemiBold}, {"No Such Face", QFont::Normal}};
    for (const auto& face : faces) {
        for (int cell : {1, 8, 16, 18, 31, 50, 72}) {
            CCellFont font;
            font.Create(QString::fromLatin1(face.szFace), cell, face.weight);
            const int size = font.Font().pixelSize();
            ASSERT_GE(size, 1);
            ASSERT_LE(size, cell);
            if (size > 1) {
                EXPECT_LE(CellHeight(font.Font(), size), cell) << face.szFace << ' ' << cell;
            }
            if (size < cell) {
                EXPECT_GT(CellHeight(font.Font(), size + 1), cell) << face.szFace << ' ' << cell;
            }
        }
    }
}
