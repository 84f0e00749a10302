// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Turns "no display" and "the display went away" into one line on stderr and exit status 1.
// Qt ends the process with an abort when no platform plugin can start, and with exit(1) from
// deep inside its event loop when the X11 or Wayland connection breaks; both are caught here
// through the message handler, before Qt acts on them.
class CDisplayGuard
{
public:
    // Installs the handler before the application object is made. Until Started() the
    // platform plugin's own complaints are held back: if the plugin fails they are replaced by
    // the one line, otherwise they are passed on. After CTranslations::Load, for the line in
    // the player's language.
    static void Install(int argc, char** argv);
    // Called once the application object exists.
    static void Started();

    // The platform plugins Qt will try for this command line and environment, in order.
    static QStringList PlatformNames(int argc, char** argv);
    // What to call the display of these plugins in a message: the display's name and kind,
    // e.g. "\":0\" (X11)" or "\"wayland-0\" (Wayland)".
    static QString DescribeDisplay(const QStringList& astrPlatform);
    // True for Qt's report that the connection to the running display broke.
    static bool IsConnectionLost(const QString& strMessage);
};
