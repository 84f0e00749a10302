// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/visibility_signal.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// The name under which Qt's AT-SPI bridge opens its connection, and its object paths.
const char* const c_szBridgeConnection = "a11y";
const char* const c_szObjectPrefix = "/org/a11y/atspi/accessible/";
const char* const c_szRootPath = "/org/a11y/atspi/accessible/root";

} // namespace

void CVisibilitySignal::Send(QAccessibleInterface* pObject, bool bVisible)
{
    if (pObject == nullptr || !QAccessible::isActive())
        return;
    QDBusConnection bus(QString::fromLatin1(c_szBridgeConnection));
    if (!bus.isConnected())
        return;
    const QString path
        = QString::fromLatin1(c_szObjectPrefix) + QString::number(QAccessible::uniqueId(pObject));
    // The event's arguments as the bridge packs its own: kind, detail1, detail2, data, and the
    // application's root as (so).
    QDBusArgument root;
    root.beginStructure();
    root << bus.baseService() << QDBusObjectPath(QString::fromLatin1(c_szRootPath));
    root.endStructure();
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal << QStringLiteral("visible") << (bVisible ? 1 : 0) << 0
           << QVariant::fromValue(QDBusVariant(QVariant(0))) << QVariant::fromValue(root);
    bus.send(signal);
}
