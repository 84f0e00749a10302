// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "midi/midi_connection.h"

#include <atomic>

struct CJackLibrary;
typedef struct _jack_client jack_client_t;
typedef struct _jack_port jack_port_t;

// A CMidiConnection on JACK: an active client with one MIDI input port once opened, read in
// the client's process callback (JACK's real-time thread).
class CJackConnection final : public CMidiConnection
{
public:
    // nullptr when the JACK library or server is not there (no server is ever started).
    static std::unique_ptr<CMidiConnection> Create(Sink sink);
    ~CJackConnection() override;

    std::vector<std::string> SourcePorts() override;
    bool Open(const std::string& strPort) override;

private:
    CJackConnection(const CJackLibrary& lib, Sink sink);
    static int OnProcess(std::uint32_t nFrames, void* pSelf);

    const CJackLibrary& m_lib;
    jack_client_t* m_pClient = nullptr;
    std::atomic<jack_port_t*> m_pPort {nullptr}; // set once, read by the process callback
};
