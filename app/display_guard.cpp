// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/display_guard.h"

#include "app/translations.h"

#include <QByteArray>
#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

// A message held back while the platform plugin starts, with its context's strings copied.
struct SHeldMessage
{
    QtMsgType type;
    QByteArray file;
    QByteArray function;
    QByteArray category;
    int line;
    QString text;
};

QtMessageHandler g_pPreviousHandler = nullptr;
bool g_bStarting = false;
QString g_strDisplay; // DescribeDisplay() of the plugins Qt tries
std::vector<SHeldMessage> g_aHeld;

// A text of the terminal in the player's language, which the display guard speaks before the
// application object has its catalogues.
QString Text(const char* szSource)
{
    return CTranslations::Translate("Terminal", szSource);
}

// Prints "cantabell: " and szWhat with the display for %1, and ends the process at once: Qt is
// in the middle of starting or of failing, so neither destructors nor exit handlers may run now.
// Several threads may see the broken connection at once: only the first one speaks, the others
// wait for it to end the process.
[[noreturn]] void Fail(const char* szWhat)
{
    static std::atomic<bool> s_bFailing {false};
    if (s_bFailing.exchange(true)) {
        for (;;)
            pause();
    }
    const QString line = QStringLiteral("cantabell: ") + Text(szWhat).arg(g_strDisplay);
    const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
    _exit(1);
}

// Why no plugin started, as Fail's text: the held messages may say more than "could not
// connect".
const char* StartFailure()
{
    for (const SHeldMessage& msg : g_aHeld) {
        if (msg.text.contains(QLatin1String("Could not find the Qt platform plugin")))
            return QT_TRANSLATE_NOOP(
                "Terminal", "cannot open the display %1: its Qt platform plugin is not installed");
    }
    //: %1: the display's name and kind, e.g. ":0" (X11).
    return QT_TRANSLATE_NOOP("Terminal", "cannot open the display %1");
}

void Forward(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (g_pPreviousHandler != nullptr)
        g_pPreviousHandler(type, context, text);
}

void HandleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (g_bStarting) {
        // A fatal message while the application object is made: no platform plugin started.
        if (type == QtFatalMsg)
            Fail(StartFailure());
        g_aHeld.push_back({type, QByteArray(context.file), QByteArray(context.function),
            QByteArray(context.category), context.line, text});
        return;
    }
    if (CDisplayGuard::IsConnectionLost(text))
        Fail(QT_TRANSLATE_NOOP("Terminal", "lost the display %1"));
    Forward(type, context, text);
}

bool IsWayland(const QString& strPlatform)
{
    return strPlatform.startsWith(QLatin1String("wayland"));
}

} // namespace

QStringList CDisplayGuard::PlatformNames(int argc, char** argv)
{
    QString strName;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            strName = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (strName.isEmpty())
        strName = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (strName.isEmpty()) {
        // Qt's own default: X11, or Wayland in a Wayland session other than GNOME's.
        const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower()
            + qEnvironmentVariable("XDG_SESSION_DESKTOP").toLower();
        const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
            && !desktop.contains(QLatin1String("gnome"));
        strName = wayland ? QStringLiteral("wayland") : QStringLiteral("xcb");
    }
    QStringList astrNames;
    for (const QString& entry : strName.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        if (!name.isEmpty())
            astrNames << name;
    }
    return astrNames;
}

QString CDisplayGuard::DescribeDisplay(const QStringList& astrPlatform)
{
    QStringList astrParts;
    for (const QString& platform : astrPlatform) {
        if (platform == QLatin1String("xcb")) {
            const QString display = qEnvironmentVariable("DISPLAY");
            astrParts << (display.isEmpty()
                    ? Text(QT_TRANSLATE_NOOP("Terminal", "(X11, DISPLAY is not set)"))
                    : QLatin1Char('"') + display + QStringLiteral("\" (X11)"));
        } else if (IsWayland(platform)) {
            QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
            if (display.isEmpty())
                display = QStringLiteral("wayland-0");
            astrParts << QLatin1Char('"') + display + QStringLiteral("\" (Wayland)");
        } else {
            astrParts << Text(QT_TRANSLATE_NOOP("Terminal", "(platform \"%1\")")).arg(platform);
        }
    }
    astrParts.removeDuplicates();
    QString text = astrParts.value(0);
    for (qsizetype i = 1; i < astrParts.size(); ++i)
        //: Two displays the game tried, e.g. ":0" (X11) or "wayland-0" (Wayland).
        text = Text(QT_TRANSLATE_NOOP("Terminal", "%1 or %2")).arg(text, astrParts[i]);
    return text;
}

bool CDisplayGuard::IsConnectionLost(const QString& strMessage)
{
    return strMessage.contains(QLatin1String("X11 connection broke"))
        || strMessage.contains(QLatin1String("Wayland connection broke"))
        || strMessage.contains(QLatin1String("Wayland connection experienced a fatal error"));
}

void CDisplayGuard::Install(int argc, char** argv)
{
    g_strDisplay = DescribeDisplay(PlatformNames(argc, argv));
    g_bStarting = true;
    g_pPreviousHandler = qInstallMessageHandler(HandleMessage);
}

void CDisplayGuard::Started()
{
    g_bStarting = false;
    std::vector<SHeldMessage> aHeld;
    aHeld.swap(g_aHeld);
    for (const SHeldMessage& msg : aHeld) {
        const QMessageLogContext context(msg.file.isNull() ? nullptr : msg.file.constData(),
            msg.line, msg.function.isNull() ? nullptr : msg.function.constData(),
            msg.category.isNull() ? nullptr : msg.category.constData());
        Forward(msg.type, context, msg.text);
    }
}
