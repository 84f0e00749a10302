// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Start-up timing for bench/startup: with CANTABELL_TRACE_STARTUP=1 in the environment the
// program writes "cantabell-trace <mark> <ns> <cpu-ns>" lines to stderr: CLOCK_REALTIME in
// nanoseconds (comparable with `date +%s%N`) and the CPU time the process has used so far, which
// stays meaningful on a busy machine. Marks: the ones passed to Mark(), "mapped" (the
// first exposure of the main window), "first-paint" (the first paint event of the game view)
// and "first-frame" (the event loop's next turn after that paint, when the frame has been
// flushed to the window system). Without the variable nothing is installed or written.
class CStartupTrace : public QObject
{
public:
    static bool Enabled();
    static void Mark(const char* szMark);
    // Watches the application's events for the first exposure and paint, then removes itself.
    static void Install();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    using QObject::QObject;
    bool m_bMapped = false;
    bool m_bPainted = false;
};
