// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

typedef struct _jack_client jack_client_t;
struct CJackLibrary;

// A port-less JACK client of the game's own that tells whether a JACK server runs (never
// starting one) and lists its MIDI output ports. The JACK library is loaded only once a
// server's socket is there (see CJackLibrary); until then a look costs three stat calls.
class CJackProbe
{
public:
    // The probe, or nullptr when no JACK server answers.
    static std::unique_ptr<CJackProbe> Open(const char* szClientName);
    // Whether the socket of the server that clients would connect to exists ($JACK_DEFAULT_SERVER
    // or "default", in the places JACK 2 and JACK 1 put it). A server killed outright leaves its
    // socket behind: true is only a "may run".
    static bool ServerSocketExists();
    ~CJackProbe();
    CJackProbe(const CJackProbe&) = delete;
    CJackProbe& operator=(const CJackProbe&) = delete;

    // False once the server has shut down; the probe is then of no further use.
    bool IsAlive() const { return m_bAlive.load(); }
    // Full names ("client:port") of every MIDI output port of the server.
    std::vector<std::string> MidiOutputs() const;

private:
    CJackProbe(const CJackLibrary& lib, jack_client_t* pClient);
    static void OnShutdown(void* pSelf);

    const CJackLibrary& m_lib;
    jack_client_t* m_pClient;
    std::atomic<bool> m_bAlive {true};
};
