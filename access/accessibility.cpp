// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/accessibility.h"

#include "access/menu_bar_accessible.h"
#include "access/view_accessible.h"

void CAccessibility::Install()
{
    CViewAccessible::Install();
    CMenuBarAccessible::Install();
}
