// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "midi/midi_connection.h"
#include "midi/mirror_filter.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CJackProbe;

// Listens to every MIDI input port of the ALSA sequencer and, while a JACK server runs, of JACK.
// A worker thread looks for ports at start and then every 2 s and opens one input named
// "Cantabell" per port found; ports that go away are closed. Bytes are decoded on the back-end's
// own threads and every white-key note goes to the sink there, so the sink must only hand it on.
// No MIDI system (no /dev/snd/seq, no JACK server) means no ports and no output; back-end
// errors are swallowed. The same note arriving through two ports at once goes on only once. Not
// copyable; Stop() or the destructor joins every thread.
class CMidiPorts
{
public:
    // nKey 0..7, bDown for a note-on; called on a back-end thread.
    using Sink = std::function<void(int nKey, bool bDown)>;

    static constexpr int c_nScanPeriodMs = 2000;
    static const char* const c_szName; // the client and port name others see

    explicit CMidiPorts(Sink sink);
    ~CMidiPorts();
    CMidiPorts(const CMidiPorts&) = delete;
    CMidiPorts& operator=(const CMidiPorts&) = delete;

    void Start();
    void Stop();

    // Names of the ports listened to now, "alsa:" or "jack:" in front; for tests and tools.
    std::vector<std::string> ListenedPorts() const;
    // Looks for ports completed since Start().
    int ScanCount() const;

private:
    using Connections = std::map<std::string, std::unique_ptr<CMidiConnection>>;

    void Run();
    void Scan();
    void ScanAlsa();
    void ScanJack();
    void Follow(Connections& connections, CMidiConnection::Api api,
        const std::vector<std::string>& astrPort);
    void Publish();

    CMidiConnection::Sink ConnectionSink();
    void OnNote(std::uintptr_t nSource, int nKey, bool bDown);

    Sink m_sink;
    CMirrorFilter m_mirror;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bStop = false;
    std::vector<std::string> m_astrListened; // guarded by m_mutex
    int m_nScans = 0; // guarded by m_mutex
    // Owned and touched by the worker thread only.
    Connections m_alsa;
    Connections m_jack;
    std::unique_ptr<CMidiConnection> m_pAlsaProbe;
    std::unique_ptr<CJackProbe> m_pJackProbe;
};
