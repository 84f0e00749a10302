// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/midi_ports.h"

#include "midi/jack_probe.h"

#include <algorithm>
#include <chrono>
#include <unistd.h>

const char* const CMidiPorts::c_szName = "Cantabell";

namespace {

// The JACK client that only looks for ports; the listening clients carry the game's name.
const char* const c_szJackProbeName = "Cantabell-scan";
const char* const c_szAlsaDevice = "/dev/snd/seq";

} // namespace

CMidiPorts::CMidiPorts(Sink sink)
    : m_sink(std::move(sink))
{ }

CMidiPorts::~CMidiPorts()
{
    Stop();
}

void CMidiPorts::Start()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_thread.joinable())
        return;
    m_bStop = false;
    m_nScans = 0;
    try {
        m_thread = std::thread(&CMidiPorts::Run, this);
    } catch (...) {
        // No thread, no MIDI: the game goes on without it.
    }
}

void CMidiPorts::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

std::vector<std::string> CMidiPorts::ListenedPorts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_astrListened;
}

void CMidiPorts::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_bStop) {
        lock.unlock();
        Scan();
        lock.lock();
        m_wake.wait_for(
            lock, std::chrono::milliseconds(c_nScanPeriodMs), [this] { return m_bStop; });
    }
    lock.unlock();
    // Connections first: they wait for their back-end threads, which call the sink.
    m_alsa.clear();
    m_jack.clear();
    m_pAlsaProbe.reset();
    m_pJackProbe.reset();
    Publish();
}

void CMidiPorts::Scan()
{
    try {
        ScanAlsa();
        ScanJack();
    } catch (...) {
        // Out of memory or a back-end gone mad: keep what works, try again next time.
    }
    Publish();
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_nScans;
}

void CMidiPorts::ScanAlsa()
{
    // Without the sequencer device alsa-lib would print its failure; ask the file system.
    if (access(c_szAlsaDevice, R_OK | W_OK) != 0) {
        m_alsa.clear();
        m_pAlsaProbe.reset();
        return;
    }
    if (!m_pAlsaProbe)
        m_pAlsaProbe = CMidiConnection::Create(CMidiConnection::ALSA, ConnectionSink());
    if (m_pAlsaProbe)
        Follow(m_alsa, CMidiConnection::ALSA, m_pAlsaProbe->SourcePorts());
}

void CMidiPorts::ScanJack()
{
    if (m_pJackProbe && !m_pJackProbe->IsAlive()) {
        m_jack.clear();
        m_pJackProbe.reset();
    }
    if (!m_pJackProbe)
        m_pJackProbe = CJackProbe::Open(c_szJackProbeName);
    if (m_pJackProbe)
        Follow(m_jack, CMidiConnection::JACK, m_pJackProbe->MidiOutputs());
    else
        m_jack.clear();
}

void CMidiPorts::Follow(
    Connections& connections, CMidiConnection::Api api, const std::vector<std::string>& astrPort)
{
    for (auto it = connections.begin(); it != connections.end();) {
        if (std::find(astrPort.begin(), astrPort.end(), it->first) == astrPort.end())
            it = connections.erase(it);
        else
            ++it;
    }
    for (const std::string& strPort : astrPort) {
        if (connections.count(strPort))
            continue;
        std::unique_ptr<CMidiConnection> pConnection
            = CMidiConnection::Create(api, ConnectionSink());
        if (pConnection && pConnection->Open(strPort))
            connections.emplace(strPort, std::move(pConnection));
    }
}

CMidiConnection::Sink CMidiPorts::ConnectionSink()
{
    return [this](std::uintptr_t nSource, int nKey, bool bDown) { OnNote(nSource, nKey, bDown); };
}

void CMidiPorts::OnNote(std::uintptr_t nSource, int nKey, bool bDown)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto nNowMs = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    if (m_mirror.Pass(nSource, nKey, bDown, nNowMs))
        m_sink(nKey, bDown);
}

void CMidiPorts::Publish()
{
    std::vector<std::string> astrListened;
    for (const auto& entry : m_alsa)
        astrListened.push_back("alsa:" + entry.first);
    for (const auto& entry : m_jack)
        astrListened.push_back("jack:" + entry.first);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_astrListened = std::move(astrListened);
}

int CMidiPorts::ScanCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nScans;
}
