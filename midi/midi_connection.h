// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "midi/midi_decoder.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One MIDI input of the game on one back-end (a client named "Cantabell" of the ALSA
// sequencer or of JACK), listening to at most one source port. Hands each white-key note that
// port sends to the sink, on the back-end's thread. Without an open port it only lists the
// back-end's source ports. Nothing here throws or prints: back-end errors end up as a failed
// result.
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
    // A derived class closes its port and waits until the back-end no longer calls in.
    virtual ~CMidiConnection() = default;
    CMidiConnection(const CMidiConnection&) = delete;
    CMidiConnection& operator=(const CMidiConnection&) = delete;

    // The back-end's MIDI source ports by name; empty when it fails.
    virtual std::vector<std::string> SourcePorts() = 0;
    // Starts listening to the source port of this name; false if it is gone or cannot be opened.
    virtual bool Open(const std::string& strPort) = 0;

protected:
    explicit CMidiConnection(Sink sink)
        : m_sink(std::move(sink))
    { }

    // On the back-end's thread: a note of the open port, folded onto the game's keys.
    void Give(const CMidiNote& note);
    // On the back-end's thread: one event's raw bytes, decoded.
    void GiveBytes(const std::uint8_t* pData, std::size_t nSize);

private:
    CMidiDecoder m_decoder; // used on the back-end's input thread only
    Sink m_sink;
};
