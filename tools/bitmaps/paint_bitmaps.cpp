// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Paints bitmaps 121..125 into the folder given on the command line (res/bitmaps).
// With a second folder it also writes 8x enlarged PNG previews there.
#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

QImage Expand(const CIndexedImage& indexed)
{
    QImage img(indexed.m_nWidth, indexed.m_nHeight, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(
                x, y, indexed.m_aPalette[indexed.m_aIndex[std::size_t(y) * img.width() + x]]);
    return img;
}

bool WriteSprite(const QString& strDir, const QString& strName, const QImage& img)
{
    if (!Artwork::WhiteOnlyOutside(img)) {
        std::fprintf(stderr, "%s: pure white inside the shape\n", qPrintable(strName));
        return false;
    }
    // The sprites must fit the palette exactly: a merged colour could turn an edge pure white.
    const CIndexedImage indexed = Quantise(img, 256);
    if (Expand(indexed) != img) {
        std::fprintf(stderr, "%s: more than 256 colours\n", qPrintable(strName));
        return false;
    }
    std::printf("%s: %dx%d, %zu colours\n", qPrintable(strName), img.width(), img.height(),
        indexed.m_aPalette.size());
    return WriteBmp(strDir + "/" + strName + ".bmp", indexed, 8);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: paint_bitmaps <output folder> [preview folder]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);

    const CIndexedImage texture = Artwork::PaintTexture();
    const QImage keyUp
        = Artwork::PaintKey(QColor(0, 109, 196), QColor(140, 195, 245), QColor(0, 45, 100));
    const QImage keyDown
        = Artwork::PaintKey(QColor(196, 0, 0), QColor(245, 135, 125), QColor(100, 0, 0));
    const QImage happy = Artwork::PaintHappy();
    const QImage worried = Artwork::PaintWorried();

    bool ok = WriteBmp(dir + "/121.bmp", texture, 4);
    ok = WriteSprite(dir, "122", keyUp) && ok;
    ok = WriteSprite(dir, "123", keyDown) && ok;
    ok = WriteSprite(dir, "124", happy) && ok;
    ok = WriteSprite(dir, "125", worried) && ok;

    if (argc > 2) {
        const QString preview = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(preview);
        const QImage all[] = {Expand(texture), keyUp, keyDown, happy, worried};
        for (int i = 0; i < 5; ++i)
            all[i].scaled(all[i].size() * 8).save(preview + QString("/%1.png").arg(121 + i));
    }
    return ok ? 0 : 1;
}
