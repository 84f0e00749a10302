// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The MIDI decoder on arbitrary bytes. The first byte splits the rest into back-end packets
// (its value is the packet length, 0 for one endless stream); every note that comes out must
// be a real note number, and a whole note message must always get through afterwards.
#include "midi/midi_decoder.h"
#include "midi/white_keys.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize == 0)
        return 0;
    const std::size_t nPacket = pData[0];
    CMidiDecoder decoder;
    CMidiNote note;
    std::size_t nInPacket = 0;
    for (std::size_t i = 1; i < nSize; ++i) {
        if (decoder.Feed(pData[i], note)) {
            if (note.m_nNote < 0 || note.m_nNote > 127)
                std::abort();
            const int nKey = WhiteKeyOf(note.m_nNote);
            if (nKey < -1 || nKey > 7)
                std::abort();
        }
        if (nPacket && ++nInPacket == nPacket) {
            decoder.EndPacket();
            nInPacket = 0;
        }
    }
    const std::uint8_t aNoteOn[3] = {0x95, 64, 1};
    int nNotes = 0;
    decoder.FeedPacket(aNoteOn, sizeof aNoteOn, [&nNotes](const CMidiNote& n) {
        if (n.m_nNote != 64 || !n.m_bOn)
            std::abort();
        ++nNotes;
    });
    if (nNotes != 1)
        std::abort();
    return 0;
}
