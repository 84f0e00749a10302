// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <cstddef>

class CMainWindow;

// The menus of the game window, left to right; the last one stands at the bar's right end.
enum EMenu : int
{
    MENU_GAME,
    MENU_COMMANDS,
    MENU_OPTIONS,
    MENU_HELP,
    MENU_COUNT,
};

// Their titles, untranslated (translation context "Menu").
extern const char* const c_aszMenuTitle[MENU_COUNT];

// One command of the game window: everything the menus, the toolbar, the dispatch and
// CANTABELL_SCRIPT know about it. Menu items appear in table order within their menu.
struct SCommand
{
    int nId; // the command id (CMainWindow::ID_...)
    EMenu eMenu;
    const char* szText; // menu text, untranslated (context "Menu"): "&" before the mnemonic,
                        // the shortcut's name after a tab
    Qt::Key eKey; // the window shortcut, or Qt::Key_unknown
    bool bSeparatorBefore; // a separator line above it in its menu
    const char* szScriptName; // its name in CANTABELL_SCRIPT
    int nToolbarCell; // its image in the toolbar strip (":/BITMAP/144"), or -1 for none
    const char* szToolbarName; // the toolbar button's object name; translated (context
                               // "Toolbar"), its accessible name
    void (CMainWindow::*pfnRun)();
};

// The table itself lives with CMainWindow, whose handlers it names (app/main_window.cpp).
extern const SCommand c_aCommand[];
extern const std::size_t c_nCommandCount;

// The command with id nId, or nullptr.
const SCommand* FindCommand(int nId);
