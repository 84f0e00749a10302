// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/accessibility.h"

#include "access/menu_bar_accessible.h"
#include "access/view_accessible.h"
#include "window/game_view.h"
#include "window/main_menu_bar.h"

namespace {

// Builds the interfaces of the window's own widgets; Qt's own serve everything else.
QAccessibleInterface* WindowFactory(const QString& strClass, QObject* pObject)
{
    if (pObject == nullptr || !pObject->isWidgetType())
        return nullptr;
    if (strClass == QLatin1String("CGameView"))
        return new CViewAccessible(static_cast<CGameView*>(pObject));
    if (strClass == QLatin1String("CMainMenuBar"))
        return new CMenuBarAccessible(static_cast<CMainMenuBar*>(pObject));
    return nullptr;
}

} // namespace

void CAccessibility::Install()
{
    static const bool c_bInstalled = [] {
        QAccessible::installFactory(&WindowFactory);
        return true;
    }();
    (void)c_bInstalled;
}
