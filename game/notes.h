// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The eight notes by index (0..7, keyboard order, lowest first): the label on each key, its
// pitch in scientific notation and the name of its WAVE resource (":/WAVE/<name>", the files
// under res/wave).
constexpr const char* c_aszNoteLabel[8] = {"E", "F", "G", "A", "B", "C", "D", "E'"};
constexpr const char* c_aszNotePitch[8] = {"E3", "F3", "G3", "A3", "B3", "C4", "D4", "E4"};
constexpr const char* c_aszNoteSound[8] = {"E", "F", "G", "A", "B", "C", "D", "E1"};
