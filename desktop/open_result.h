// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The results of opening a link or starting a program, in the classic shell convention: above
// 32 is success, 32 or less a failure code that the link's error message names. The values
// are those the game has always shown; they are compared and passed on as plain ints.
enum EOpenResult : int
{
    OPEN_OUT_OF_RESOURCES = 0, // also: the opener was killed by a signal
    OPEN_FILE_NOT_FOUND = 2,
    OPEN_PATH_NOT_FOUND = 3,
    OPEN_ACCESS_DENIED = 5,
    OPEN_OUT_OF_MEMORY = 8,
    OPEN_BAD_FORMAT = 11, // not executable, too long, or an argument with a control byte
    OPEN_NO_ASSOCIATION = 31,
    OPEN_STARTED = 33, // a program was started (WinExec)
    OPEN_OPENED = 42, // the desktop's opener took the target (ShellOpen)
};

// True for the results that mean success.
constexpr bool IsOpenSuccess(int nResult)
{
    return nResult > 32;
}
