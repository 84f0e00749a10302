#pragma once

// The eight notes by index (0..7, keyboard order, lowest first): the label on each key and the
// name of its WAVE resource (":/WAVE/<name>", the files under res/wave).
constexpr const char* c_aszNoteLabel[8] = {"E", "F", "G", "A", "B", "C", "D", "E'"};
constexpr const char* c_aszNoteSound[8] = {"E", "F", "G", "A", "B", "C", "D", "E1"};
