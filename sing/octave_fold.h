// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Maps sung semitones (MIDI note numbers) onto the eight keys (E3 .. E4) whatever octave the
// singer uses: one octave shift per answer, found from the notes sung, so that within an answer
// E and E' are told apart by where they lie relative to the other notes. Every note but E names
// its key alone; while an answer holds only E's, the shift is the one the previous answer used,
// or at first the one nearest the keyboard's own octave.
class COctaveFold
{
public:
    static constexpr int c_nLowE = 52; // MIDI number of key 0; key 7 is an octave above

    // The key (0..7) for MIDI note nNote, or -1 for a black key.
    int KeyOf(int nNote);
    // A new answer begins: the next note that is not an E fixes the shift again.
    void NewAnswer() { m_bFirm = false; }
    // Octaves between the singer and the keyboard (-2 for a bass two octaves below).
    int Shift() const { return m_nShift; }

private:
    int m_nShift = 0;
    bool m_bKnown = false; // some note has set m_nShift
    bool m_bFirm = false; // a note other than E has set m_nShift in this answer
};
