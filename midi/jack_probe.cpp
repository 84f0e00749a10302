// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/jack_probe.h"

#include <jack/jack.h>
#include <mutex>

namespace {

void Quiet(const char*) { }

} // namespace

CJackProbe::CJackProbe(jack_client_t* pClient)
    : m_pClient(pClient)
{ }

std::unique_ptr<CJackProbe> CJackProbe::Open(const char* szClientName)
{
    static std::once_flag s_quiet;
    std::call_once(s_quiet, [] {
        jack_set_error_function(&Quiet);
        jack_set_info_function(&Quiet);
    });
    jack_status_t status {};
    jack_client_t* pClient = jack_client_open(szClientName, JackNoStartServer, &status);
    if (!pClient)
        return nullptr;
    std::unique_ptr<CJackProbe> pProbe(new CJackProbe(pClient));
    jack_on_shutdown(pClient, &CJackProbe::OnShutdown, pProbe.get());
    return pProbe;
}

CJackProbe::~CJackProbe()
{
    jack_client_close(m_pClient);
}

void CJackProbe::OnShutdown(void* pSelf)
{
    static_cast<CJackProbe*>(pSelf)->m_bAlive.store(false);
}

std::vector<std::string> CJackProbe::MidiOutputs() const
{
    std::vector<std::string> astrPort;
    if (!IsAlive())
        return astrPort;
    const char** ppszPort
        = jack_get_ports(m_pClient, nullptr, JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput);
    if (!ppszPort)
        return astrPort;
    for (const char** pp = ppszPort; *pp; ++pp)
        astrPort.emplace_back(*pp);
    jack_free(ppszPort);
    return astrPort;
}
