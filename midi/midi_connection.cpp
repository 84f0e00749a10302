// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/midi_connection.h"

#include "midi/midi_ports.h"
#include "midi/white_keys.h"

#include <RtMidi.h>

namespace {

// RtMidi prints to stderr unless it has somewhere else to report to.
void IgnoreError(RtMidiError::Type, const std::string&, void*) { }

} // namespace

CMidiConnection::CMidiConnection(std::unique_ptr<RtMidiIn> pIn, Sink sink)
    : m_pIn(std::move(pIn))
    , m_sink(std::move(sink))
{ }

CMidiConnection::~CMidiConnection()
{
    try {
        m_pIn.reset();
    } catch (...) { }
}

std::unique_ptr<CMidiConnection> CMidiConnection::Create(Api api, Sink sink)
{
    const RtMidi::Api rtApi = api == ALSA ? RtMidi::LINUX_ALSA : RtMidi::UNIX_JACK;
    try {
        auto pIn = std::make_unique<RtMidiIn>(rtApi, CMidiPorts::c_szName);
        pIn->setErrorCallback(&IgnoreError, nullptr);
        if (pIn->getCurrentApi() != rtApi)
            return nullptr;
        return std::unique_ptr<CMidiConnection>(
            new CMidiConnection(std::move(pIn), std::move(sink)));
    } catch (...) {
        return nullptr;
    }
}

std::vector<std::string> CMidiConnection::SourcePorts()
{
    std::vector<std::string> astrPort;
    try {
        const unsigned int nCount = m_pIn->getPortCount();
        for (unsigned int i = 0; i < nCount; ++i) {
            std::string strName = m_pIn->getPortName(i);
            if (!strName.empty())
                astrPort.push_back(std::move(strName));
        }
    } catch (...) {
        astrPort.clear();
    }
    return astrPort;
}

bool CMidiConnection::Open(const std::string& strPort)
{
    try {
        // The numbering may have changed since the port was listed: find it by name again.
        const unsigned int nCount = m_pIn->getPortCount();
        for (unsigned int i = 0; i < nCount; ++i) {
            if (m_pIn->getPortName(i) != strPort)
                continue;
            m_pIn->setCallback(&CMidiConnection::OnMessage, this);
            m_pIn->openPort(i, CMidiPorts::c_szName);
            return m_pIn->isPortOpen();
        }
    } catch (...) { }
    return false;
}

void CMidiConnection::OnMessage(double, std::vector<unsigned char>* pMessage, void* pSelf)
{
    auto* pThis = static_cast<CMidiConnection*>(pSelf);
    if (!pMessage || !pThis)
        return;
    pThis->m_decoder.FeedPacket(pMessage->data(), pMessage->size(), [pThis](const CMidiNote& note) {
        const int nKey = WhiteKeyOf(note.m_nNote);
        if (nKey >= 0)
            pThis->m_sink(reinterpret_cast<std::uintptr_t>(pThis), nKey, note.m_bOn);
    });
}
