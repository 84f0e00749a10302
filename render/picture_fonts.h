// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The two faces of the picture's texts. Both are compiled into the program and registered with
// the font database on first use, so that the texts look and measure the same on every
// machine, whatever fonts it has installed.
class CPictureFonts
{
public:
    // The family of the key labels (a sans-serif bold) and of the length label, judgement and
    // banner (a hand-lettered bold). Registers the faces the first time.
    static QString KeyFace();
    static QString TextFace();
    // True when both built-in faces are registered; false leaves the system's font matching
    // to find the families by name.
    static bool Loaded();
};
