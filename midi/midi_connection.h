// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "midi/midi_decoder.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class RtMidiIn;

// One MIDI input of the game on one back-end (an RtMidiIn named "Cantabell"), listening to at
// most one source port. Decodes what that port sends on the back-end's thread and gives each
// white-key note to the sink. Without an open port it only lists the back-end's source ports.
// Nothing here throws or prints: back-end errors end up as a failed result.
class CMidiConnection
{
public:
    // nSource tells the connections apart; called on the back-end's thread.
    using Sink = std::function<void(std::uintptr_t nSource, int nKey, bool bDown)>;
    enum Api : int
    {
        ALSA,
        JACK,
    };

    // The back-end's client, or nullptr when the back-end cannot be reached.
    static std::unique_ptr<CMidiConnection> Create(Api api, Sink sink);
    // Closes the port and waits until the back-end no longer calls in.
    ~CMidiConnection();
    CMidiConnection(const CMidiConnection&) = delete;
    CMidiConnection& operator=(const CMidiConnection&) = delete;

    // The back-end's MIDI source ports by name; empty when it fails.
    std::vector<std::string> SourcePorts();
    // Starts listening to the source port of this name; false if it is gone or cannot be opened.
    bool Open(const std::string& strPort);

private:
    CMidiConnection(std::unique_ptr<RtMidiIn> pIn, Sink sink);
    static void OnMessage(double dSeconds, std::vector<unsigned char>* pMessage, void* pSelf);

    std::unique_ptr<RtMidiIn> m_pIn;
    CMidiDecoder m_decoder; // used on the back-end's input thread only
    Sink m_sink;
};
