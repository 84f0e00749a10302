// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The eight note keys as physical keys: the home row (the keys that carry A S D F G H J K on a
// US keyboard) and the digits 1 to 8 above it, whatever the layout prints on them, and the
// characters the player's layout prints there where the platform can tell.
class CHomeRow
{
public:
    static constexpr int c_nKeys = 8;
    // The note key (0..7) an X keycode (evdev code + 8, as X11 and Wayland report it in
    // nativeScanCode) stands for, or -1: the home row, then the digit row.
    static int NoteOfScanCode(std::uint32_t uScanCode);
    // The X keycode of the home-row key of note key k (0..7).
    static std::uint32_t ScanCodeOf(int k);
    // What the key of note k is called for the player: the character the current layout puts
    // on it (upper case) where known, else the letter a US keyboard prints at that position.
    static QString Label(int k);
    // Reads the labels from the X server's keymap (xkb); the US letters where there is none
    // (Wayland, offscreen). Called once the application object exists.
    static void ReadLayout();
    // A key press told the character the key carries now (the layout may have changed).
    static void Learn(std::uint32_t uScanCode, const QString& strText);

private:
    static std::array<QString, c_nKeys>& Labels();
};
