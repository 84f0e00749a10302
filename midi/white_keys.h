// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game key (0..7: E F G A B C D E') for a MIDI note number. Notes 52 53 55 57 59 60 62 64
// (E3 .. E4) are the eight keys; the white keys of every other octave fold onto them by name,
// every E but 64 onto the low E (key 0). Black keys and numbers outside 0..127 give -1.
int WhiteKeyOf(int nNote);
