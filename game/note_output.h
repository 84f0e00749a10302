// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the window sends the eight notes: the sound channel in the program, a recorder in
// tests. Calls come from the user-interface thread and return at once.
class CNoteOutput
{
public:
    virtual ~CNoteOutput() = default;

    // Asks for the output ahead of the first note (opening it may take a while).
    virtual void Prepare() = 0;
    // Starts note k (0..7), cutting off whatever sounds; false when nothing started (no such
    // note, or no output).
    virtual bool Play(int nNote) = 0;
    // Silences whatever sounds.
    virtual void Stop() = 0;
};
