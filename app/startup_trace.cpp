// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup_trace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>

bool CStartupTrace::Enabled()
{
    static const bool s_bEnabled = qEnvironmentVariableIntValue("CANTABELL_TRACE_STARTUP") == 1;
    return s_bEnabled;
}

void CStartupTrace::Mark(const char* szMark)
{
    if (!Enabled())
        return;
    timespec now {};
    timespec cpu {};
    clock_gettime(CLOCK_REALTIME, &now);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::fprintf(stderr, "cantabell-trace %s %lld%09ld %lld%09ld\n", szMark,
        static_cast<long long>(now.tv_sec), static_cast<long>(now.tv_nsec),
        static_cast<long long>(cpu.tv_sec), static_cast<long>(cpu.tv_nsec));
}

void CStartupTrace::Install()
{
    if (Enabled() && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(new CStartupTrace(qApp));
}

bool CStartupTrace::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (!m_bMapped && pEvent->type() == QEvent::Expose) {
        auto* pWindow = qobject_cast<QWindow*>(pWatched);
        if (pWindow && pWindow->isExposed()) {
            m_bMapped = true;
            Mark("mapped");
        }
    } else if (!m_bPainted && pEvent->type() == QEvent::Paint && pWatched->inherits("CGameView")) {
        m_bPainted = true;
        Mark("first-paint");
        // Queued behind the paint and the backing-store flush of this same update.
        QTimer::singleShot(0, this, [this] {
            Mark("first-frame");
            deleteLater();
        });
    }
    return false;
}
