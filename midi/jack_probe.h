// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

typedef struct _jack_client jack_client_t;

// A port-less JACK client of the game's own that tells whether a JACK server runs (never
// starting one) and lists its MIDI output ports. Creating the first probe silences libjack's
// messages for the whole process: a missing server is normal for this game.
class CJackProbe
{
public:
    // The probe, or nullptr when no JACK server answers.
    static std::unique_ptr<CJackProbe> Open(const char* szClientName);
    ~CJackProbe();
    CJackProbe(const CJackProbe&) = delete;
    CJackProbe& operator=(const CJackProbe&) = delete;

    // False once the server has shut down; the probe is then of no further use.
    bool IsAlive() const { return m_bAlive.load(); }
    // Full names ("client:port") of every MIDI output port of the server.
    std::vector<std::string> MidiOutputs() const;

private:
    explicit CJackProbe(jack_client_t* pClient);
    static void OnShutdown(void* pSelf);

    jack_client_t* m_pClient;
    std::atomic<bool> m_bAlive {true};
};
