// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <jack/jack.h>
#include <jack/midiport.h>
#include <string>
#include <vector>

// The JACK client library, opened at run time the first time a JACK server is seen: linked
// in, it and the database library under it would sit in every player's memory. The headers
// give the types only; every call goes through these pointers. Loaded once, never unloaded
// (its threads may outlive any client). Thread-safe.
struct CJackLibrary
{
    // The library, or nullptr (with one line on stderr, the first time) when it cannot be
    // loaded; then JACK is unavailable and everything else goes on.
    static const CJackLibrary* Get();

    // Full names ("client:port") of every MIDI output port the client's server has.
    std::vector<std::string> MidiOutputs(jack_client_t* pClient) const;

    decltype(&::jack_client_open) m_pfnClientOpen = nullptr;
    decltype(&::jack_client_close) m_pfnClientClose = nullptr;
    decltype(&::jack_on_shutdown) m_pfnOnShutdown = nullptr;
    decltype(&::jack_set_error_function) m_pfnSetErrorFunction = nullptr;
    decltype(&::jack_set_info_function) m_pfnSetInfoFunction = nullptr;
    decltype(&::jack_get_ports) m_pfnGetPorts = nullptr;
    decltype(&::jack_free) m_pfnFree = nullptr;
    decltype(&::jack_port_register) m_pfnPortRegister = nullptr;
    decltype(&::jack_port_name) m_pfnPortName = nullptr;
    decltype(&::jack_port_get_buffer) m_pfnPortGetBuffer = nullptr;
    decltype(&::jack_set_process_callback) m_pfnSetProcessCallback = nullptr;
    decltype(&::jack_activate) m_pfnActivate = nullptr;
    decltype(&::jack_deactivate) m_pfnDeactivate = nullptr;
    decltype(&::jack_connect) m_pfnConnect = nullptr;
    decltype(&::jack_midi_get_event_count) m_pfnMidiGetEventCount = nullptr;
    decltype(&::jack_midi_event_get) m_pfnMidiEventGet = nullptr;
};
