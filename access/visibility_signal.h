// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;

// Tells AT-SPI clients that an object's "visible" state changed. Qt's bridge reports a shown or
// hidden object as a change of "showing" only, while its state set drops and regains "visible"
// with it; clients that cache state sets (libatspi does) would keep a stale "visible" and, for
// an object first read while hidden, never see it shown. Sent on the bridge's own connection to
// the accessibility bus, so that the object is the one the bridge published; without that
// connection (no bus, another platform) nothing is sent.
class CVisibilitySignal
{
public:
    static void Send(QAccessibleInterface* pObject, bool bVisible);
};
