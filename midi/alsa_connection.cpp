// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/alsa_connection.h"

#include "midi/midi_ports.h"

#include <alsa/asoundlib.h>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// The sequencer's own client (timer, announcements) has no notes to offer.
constexpr int c_nSystemClient = SND_SEQ_CLIENT_SYSTEM;
constexpr unsigned int c_uReadable = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
constexpr unsigned int c_uMidiTypes
    = SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_SYNTH | SND_SEQ_PORT_TYPE_APPLICATION;

// Calls onPort(name, client, port) for every port of another client that can be read from.
template<typename F> void ForEachSource(snd_seq_t* pSeq, F&& onPort)
{
    snd_seq_client_info_t* pClient = nullptr;
    snd_seq_port_info_t* pPort = nullptr;
    if (snd_seq_client_info_malloc(&pClient) < 0)
        return;
    if (snd_seq_port_info_malloc(&pPort) < 0) {
        snd_seq_client_info_free(pClient);
        return;
    }
    const int nSelf = snd_seq_client_id(pSeq);
    snd_seq_client_info_set_client(pClient, -1);
    while (snd_seq_query_next_client(pSeq, pClient) >= 0) {
        const int nClient = snd_seq_client_info_get_client(pClient);
        if (nClient == c_nSystemClient || nClient == nSelf)
            continue;
        snd_seq_port_info_set_client(pPort, nClient);
        snd_seq_port_info_set_port(pPort, -1);
        while (snd_seq_query_next_port(pSeq, pPort) >= 0) {
            if ((snd_seq_port_info_get_type(pPort) & c_uMidiTypes) == 0
                || (snd_seq_port_info_get_capability(pPort) & c_uReadable) != c_uReadable)
                continue;
            const int nPort = snd_seq_port_info_get_port(pPort);
            onPort(std::string(snd_seq_client_info_get_name(pClient)) + ":"
                    + snd_seq_port_info_get_name(pPort) + " " + std::to_string(nClient) + ":"
                    + std::to_string(nPort),
                nClient, nPort);
        }
    }
    snd_seq_port_info_free(pPort);
    snd_seq_client_info_free(pClient);
}

} // namespace

CAlsaConnection::CAlsaConnection(snd_seq_t* pSeq, int nWakeRead, int nWakeWrite, Sink sink)
    : CMidiConnection(std::move(sink))
    , m_pSeq(pSeq)
    , m_nWakeRead(nWakeRead)
    , m_nWakeWrite(nWakeWrite)
{ }

std::unique_ptr<CMidiConnection> CAlsaConnection::Create(Sink sink)
{
    snd_seq_t* pSeq = nullptr;
    if (snd_seq_open(&pSeq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0)
        return nullptr;
    int anWake[2];
    if (pipe2(anWake, O_CLOEXEC) != 0) {
        snd_seq_close(pSeq);
        return nullptr;
    }
    snd_seq_set_client_name(pSeq, CMidiPorts::c_szName);
    return std::unique_ptr<CMidiConnection>(
        new CAlsaConnection(pSeq, anWake[0], anWake[1], std::move(sink)));
}

CAlsaConnection::~CAlsaConnection()
{
    if (m_thread.joinable()) {
        const char cStop = 0;
        while (write(m_nWakeWrite, &cStop, 1) < 0 && errno == EINTR) { }
        m_thread.join();
    }
    close(m_nWakeRead);
    close(m_nWakeWrite);
    snd_seq_close(m_pSeq);
}

std::vector<std::string> CAlsaConnection::SourcePorts()
{
    std::vector<std::string> astrPort;
    ForEachSource(m_pSeq,
        [&astrPort](std::string strName, int, int) { astrPort.push_back(std::move(strName)); });
    return astrPort;
}

bool CAlsaConnection::Find(const std::string& strPort, int& nClient, int& nPort)
{
    bool bFound = false;
    ForEachSource(m_pSeq, [&](const std::string& strName, int nC, int nP) {
        if (!bFound && strName == strPort) {
            bFound = true;
            nClient = nC;
            nPort = nP;
        }
    });
    return bFound;
}

bool CAlsaConnection::Open(const std::string& strPort)
{
    int nClient = 0;
    int nPort = 0;
    if (m_thread.joinable() || !Find(strPort, nClient, nPort))
        return false;
    const int nOwn = snd_seq_create_simple_port(m_pSeq, CMidiPorts::c_szName,
        SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
        SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    if (nOwn < 0 || snd_seq_connect_from(m_pSeq, nOwn, nClient, nPort) < 0)
        return false;
    m_thread = std::thread(&CAlsaConnection::Run, this);
    return true;
}

bool CAlsaConnection::NoteOf(const snd_seq_event_t& event, CMidiNote& note)
{
    if (event.type != SND_SEQ_EVENT_NOTEON && event.type != SND_SEQ_EVENT_NOTEOFF)
        return false;
    note.m_nNote = event.data.note.note;
    note.m_bOn = event.type == SND_SEQ_EVENT_NOTEON && event.data.note.velocity != 0;
    return true;
}

void CAlsaConnection::Run()
{
    const int nSeqFds = snd_seq_poll_descriptors_count(m_pSeq, POLLIN);
    if (nSeqFds <= 0)
        return;
    std::vector<pollfd> aFd(static_cast<std::size_t>(nSeqFds) + 1);
    aFd[0] = pollfd {m_nWakeRead, POLLIN, 0};
    snd_seq_poll_descriptors(m_pSeq, &aFd[1], static_cast<unsigned int>(nSeqFds), POLLIN);
    for (;;) {
        if (poll(aFd.data(), aFd.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (aFd[0].revents != 0)
            return;
        for (std::size_t i = 1; i < aFd.size(); ++i) {
            if (aFd[i].revents & (POLLERR | POLLHUP | POLLNVAL))
                return; // the sequencer went away: nothing more will come
        }
        Drain();
    }
}

void CAlsaConnection::Drain()
{
    for (;;) {
        snd_seq_event_t* pEvent = nullptr;
        const int nResult = snd_seq_event_input(m_pSeq, &pEvent);
        if (nResult == -ENOSPC)
            continue; // the input overran: what is lost is lost, go on with what came after
        if (nResult < 0 || !pEvent)
            return;
        CMidiNote note;
        if (NoteOf(*pEvent, note))
            Give(note);
    }
}
