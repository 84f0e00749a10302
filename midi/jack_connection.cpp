// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/jack_connection.h"

#include "midi/jack_library.h"
#include "midi/midi_ports.h"

CJackConnection::CJackConnection(const CJackLibrary& lib, Sink sink)
    : CMidiConnection(std::move(sink))
    , m_lib(lib)
{ }

std::unique_ptr<CMidiConnection> CJackConnection::Create(Sink sink)
{
    const CJackLibrary* pLib = CJackLibrary::Get();
    if (!pLib)
        return nullptr;
    jack_status_t status {};
    jack_client_t* pClient
        = pLib->m_pfnClientOpen(CMidiPorts::c_szName, JackNoStartServer, &status);
    if (!pClient)
        return nullptr;
    std::unique_ptr<CJackConnection> pConnection(new CJackConnection(*pLib, std::move(sink)));
    pConnection->m_pClient = pClient;
    if (pLib->m_pfnSetProcessCallback(pClient, &CJackConnection::OnProcess, pConnection.get()) != 0
        || pLib->m_pfnActivate(pClient) != 0)
        return nullptr;
    return pConnection;
}

CJackConnection::~CJackConnection()
{
    // Deactivating first: the process callback has returned for good when it comes back.
    m_lib.m_pfnDeactivate(m_pClient);
    m_lib.m_pfnClientClose(m_pClient);
}

std::vector<std::string> CJackConnection::SourcePorts()
{
    return m_lib.MidiOutputs(m_pClient);
}

bool CJackConnection::Open(const std::string& strPort)
{
    if (m_pPort.load())
        return false;
    jack_port_t* pPort = m_lib.m_pfnPortRegister(
        m_pClient, CMidiPorts::c_szName, JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    if (!pPort)
        return false;
    m_pPort.store(pPort);
    return m_lib.m_pfnConnect(m_pClient, strPort.c_str(), m_lib.m_pfnPortName(pPort)) == 0;
}

// On JACK's real-time thread, as the sink knows (see CMidiPorts).
int CJackConnection::OnProcess(std::uint32_t nFrames, void* pSelf)
{
    auto* pThis = static_cast<CJackConnection*>(pSelf);
    jack_port_t* pPort = pThis->m_pPort.load();
    if (!pPort)
        return 0;
    void* pBuffer = pThis->m_lib.m_pfnPortGetBuffer(pPort, nFrames);
    if (!pBuffer)
        return 0;
    const std::uint32_t nEvents = pThis->m_lib.m_pfnMidiGetEventCount(pBuffer);
    for (std::uint32_t i = 0; i < nEvents; ++i) {
        jack_midi_event_t event {};
        if (pThis->m_lib.m_pfnMidiEventGet(&event, pBuffer, i) == 0)
            pThis->GiveBytes(event.buffer, event.size);
    }
    return 0;
}
