// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

// A note message out of the decoder: the MIDI note number 0..127, on or off. A note-on with
// velocity 0 comes out as off.
struct CMidiNote
{
    int m_nNote = 0;
    bool m_bOn = false;
};

// Decodes a raw MIDI byte stream into note messages and drops everything else. Follows the
// wire rules: running status; realtime bytes (0xF8..0xFF) may stand anywhere, even inside a
// message, and are dropped without disturbing it; system exclusive is skipped to its end;
// system common messages cancel running status; a message cut short by a new status byte or by
// the end of a transport packet is dropped. Not thread-safe: one decoder per input stream.
class CMidiDecoder
{
public:
    // Feeds one byte; true when it completes a note message, which is then written to note.
    bool Feed(std::uint8_t uByte, CMidiNote& note);

    // The transport's message boundary (one event of the MIDI back-end): whatever message is
    // still incomplete here is dropped. Running status and a system exclusive carry over.
    void EndPacket();

    // Feeds a whole packet and calls onNote(const CMidiNote&) for each note message in it.
    template<typename F> void FeedPacket(const std::uint8_t* pData, std::size_t nSize, F&& onNote)
    {
        CMidiNote note;
        for (std::size_t i = 0; i < nSize; ++i) {
            if (Feed(pData[i], note))
                onNote(note);
        }
        EndPacket();
    }

private:
    void StartStatus(std::uint8_t uStatus);

    std::uint8_t m_uStatus = 0; // running status of a channel message, 0 for none
    std::uint8_t m_auData[2] = {};
    int m_nHave = 0; // data bytes of the current message collected so far
    int m_nSkip = 0; // data bytes of a system common message still to swallow
    bool m_bSysex = false;
};
