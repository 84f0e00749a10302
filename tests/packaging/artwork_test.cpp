// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures compiled into the program: the main window cuts the toolbar strip into cells
// and the About box shows bitmap 112 at its own size, so sizes, formats and the cell layout
// are contracts. Also the desktop icons shipped beside the program.
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct BmpHeader
{
    int nBitCount = 0;
    quint32 nCompression = ~0u;
};

// Reads the BITMAPINFOHEADER fields that decide how the file decodes.
BmpHeader ReadBmpHeader(const QString& strPath)
{
    QFile file(strPath);
    BmpHeader header;
    if (!file.open(QIODevice::ReadOnly))
        return header;
    const QByteArray bytes = file.read(34);
    if (bytes.size() < 34 || !bytes.startsWith("BM"))
        return header;
    header.nBitCount = qFromLittleEndian<quint16>(bytes.constData() + 28);
    header.nCompression = qFromLittleEndian<quint32>(bytes.constData() + 30);
    return header;
}

const QRgb c_crToolbarGrey = qRgb(239, 239, 239);

} // namespace

TEST(Artwork, ToolbarStripIsSixteenColoursInThreeCells)
{
    const BmpHeader header = ReadBmpHeader(QStringLiteral(":/BITMAP/144"));
    EXPECT_EQ(header.nBitCount, 4);
    EXPECT_EQ(header.nCompression, 0u);

    const QImage strip(QStringLiteral(":/BITMAP/144"));
    ASSERT_FALSE(strip.isNull());
    ASSERT_EQ(strip.size(), QSize(288, 16));
    EXPECT_LE(strip.colorCount(), 16);

    // Each 96 px cell keeps the toolbar grey on its borders, so the cut never slices a
    // picture, and holds dark caption ink and a coloured symbol inside.
    for (int nCell = 0; nCell < 3; ++nCell) {
        const int nLeft = 96 * nCell;
        for (int y = 0; y < 16; ++y) {
            EXPECT_EQ(strip.pixel(nLeft, y), c_crToolbarGrey) << "cell " << nCell << " y " << y;
            EXPECT_EQ(strip.pixel(nLeft + 95, y), c_crToolbarGrey)
                << "cell " << nCell << " y " << y;
        }
        int nInk = 0;
        int nColour = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = nLeft; x < nLeft + 96; ++x) {
                const QColor colour = QColor::fromRgb(strip.pixel(x, y));
                nInk += colour.saturation() < 30 && colour.value() < 100;
                nColour += colour.saturation() > 100;
            }
        }
        EXPECT_GT(nInk, 40) << "caption of cell " << nCell;
        EXPECT_GT(nColour, 15) << "symbol of cell " << nCell;
    }
}

TEST(Artwork, AboutPictureIsRawEightBit)
{
    const BmpHeader header = ReadBmpHeader(QStringLiteral(":/BITMAP/112"));
    EXPECT_EQ(header.nBitCount, 8);
    EXPECT_EQ(header.nCompression, 0u) << "RLE8 would not match the declared format";

    const QImage picture(QStringLiteral(":/BITMAP/112"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(36, 49));
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
}

TEST(Artwork, WindowIconHasBothSizesDrawnOnATransparentGround)
{
    for (const int nSize : {16, 32}) {
        const QImage icon(QStringLiteral(":/ICON/102-%1.png").arg(nSize));
        ASSERT_FALSE(icon.isNull()) << nSize;
        EXPECT_EQ(icon.size(), QSize(nSize, nSize));
        ASSERT_TRUE(icon.hasAlphaChannel()) << nSize;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "rounded corner of the " << nSize << " px icon";
        EXPECT_EQ(qAlpha(icon.pixel(nSize / 2, nSize / 2)), 255) << nSize;
    }
    // QIcon picks the image drawn for the size asked, not a scaled one.
    QIcon icon;
    icon.addFile(QStringLiteral(":/ICON/102-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/ICON/102-32.png"), QSize(32, 32));
    EXPECT_EQ(icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
        QImage(QStringLiteral(":/ICON/102-16.png")).convertToFormat(QImage::Format_ARGB32));
}

TEST(Artwork, DesktopIconsHaveEverySizeAndMatchTheWindowIcon)
{
    for (const int nSize : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(
            QStringLiteral(CANTABELL_SOURCE_DIR "/packaging/icons/%1.png").arg(nSize));
        ASSERT_FALSE(icon.isNull()) << nSize;
        EXPECT_EQ(icon.size(), QSize(nSize, nSize));
        EXPECT_TRUE(icon.hasAlphaChannel()) << nSize;
    }
    // The window icon and the desktop icon are the same artwork at 16 and 32 px.
    for (const int nSize : {16, 32}) {
        const QImage desktop(
            QStringLiteral(CANTABELL_SOURCE_DIR "/packaging/icons/%1.png").arg(nSize));
        const QImage window(QStringLiteral(":/ICON/102-%1.png").arg(nSize));
        EXPECT_EQ(desktop.convertToFormat(QImage::Format_ARGB32),
            window.convertToFormat(QImage::Format_ARGB32))
            << nSize;
    }
}
