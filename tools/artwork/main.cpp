// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the game's pictures: icon PNGs, the toolbar strip and the About picture.
// Usage: cantabell-artwork <output folder>; tools/artwork/make-artwork files them into the tree.
#include "icon_painter.h"
#include "toolbar_painter.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool Save(const QImage& img, const QString& strPath)
{
    if (img.save(strPath))
        return true;
    std::fprintf(stderr, "cantabell-artwork: cannot write %s\n", qPrintable(strPath));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cantabell-artwork <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cantabell-artwork: cannot create %s\n", argv[1]);
        return 1;
    }

    bool bOk = true;
    for (const int nSize : {16, 32, 48, 64, 128, 256})
        bOk &= Save(
            CIconPainter::Icon(nSize), out.filePath(QStringLiteral("icon-%1.png").arg(nSize)));
    bOk &= Save(CToolbarPainter::Strip(), out.filePath(QStringLiteral("144.png")));
    for (const int nScale : {2, 3})
        bOk &= Save(CToolbarPainter::Strip(nScale),
            out.filePath(QStringLiteral("144@%1x.png").arg(nScale)));
    bOk &= Save(CIconPainter::AboutPicture(), out.filePath(QStringLiteral("112.png")));
    return bOk ? 0 : 1;
}
