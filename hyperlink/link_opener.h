// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop/file_types.h"

#include <QString>
#include <functional>
#include <string>

// Opening a web address: the desktop's opener first, else the browser command registered for
// ".htm" files; plus the failure message. Results follow the shell's convention: above 32 is
// success, 32 or less a failure code for ShowOpenError.

// Opens pszTarget. An empty target, one with a control byte or one starting with '-' is
// refused with 2 and nothing is started. When the opener fails and no browser command can be
// found, its code is returned; when a browser command is started, WinExec's result. The show
// command is taken for the callers' sake: programs started here have no start state.
int OpenLink(const char* pszTarget, int nShowCommand);

// The browser command line for a target as text, from the open command's text form: cut at
// its placeholder ("%1" in quotes, else a bare %1; whole when there is none), then one space
// and the target unquoted. OpenLink itself starts BrowserArgs' argv, which keeps a target with
// spaces or quotes one argument.
std::string BuildBrowserCommand(const std::string& strOpenCommand, const std::string& strTarget);

// Reads the default value of subKey under root into strOut (strOut may be subKey itself: the
// key is looked up before strOut is written). Returns ERROR_SUCCESS or the lookup's error
// code, leaving strOut untouched then. Values of any length are returned whole.
long ReadDefaultValue(HKEY root, const std::string& strSubKey, std::string& strOut);

// The whole message for a failure code: "Can't open link:\n\n" and the code's text.
QString OpenErrorText(int nCode);

// Shows OpenErrorText(nCode) in a warning box with OK, titled with the application's name,
// and returns when it is closed.
void ShowOpenError(int nCode);

// Shows a message box (title, text); the default one is modal. Tests put in a recorder.
using OpenErrorPresenter = std::function<void(const QString& strTitle, const QString& strText)>;
// Replaces the presenter and returns the previous one; an empty function restores the box.
OpenErrorPresenter SetOpenErrorPresenter(OpenErrorPresenter fnPresenter);
