// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where start-up time goes: each phase of the program's start, timed once in a fresh process
// (warm-up would hide exactly what is measured). Prints "<phase> <ms>" lines; measure-startup
// runs it several times under Xvfb and reports medians. Phases run in the program's order, so
// each one pays only what the ones before it left undone.
#include "app/main_window.h"
#include "audio/wave_out.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <cstdio>

namespace {

QElapsedTimer g_clock;

void Report(const char* szPhase)
{
    std::printf("%s %.3f\n", szPhase, g_clock.nsecsElapsed() / 1e6);
    g_clock.restart();
}

} // namespace

int main(int argc, char** argv)
{
    g_clock.start();
    QApplication app(argc, argv);
    Report("platform-plugin-and-application");

    // The first font lookup builds Qt's font database from fontconfig.
    QFont comic(QStringLiteral("Comic Sans MS"));
    comic.setPixelSize(43);
    volatile int nHeight = QFontMetrics(comic).height();
    (void)nHeight;
    Report("fontconfig-and-font-database");

    int nPixels = 0;
    for (const char* szId : {"121", "122", "123", "124", "125", "144", "112"})
        nPixels += QImage(QStringLiteral(":/BITMAP/") + QLatin1String(szId)).width();
    Report("bitmap-decoding");

    const bool bAudio = CWaveOut::Instance().Open();
    Report(bAudio ? "audio-device-opening" : "audio-device-opening-failed");

    CMainWindow window;
    Report("main-window-construction");
    window.show();
    QApplication::processEvents();
    QApplication::processEvents();
    Report("show-and-first-events");
    return nPixels > 0 ? 0 : 1;
}
