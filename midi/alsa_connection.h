// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "midi/midi_connection.h"

#include <thread>

typedef struct _snd_seq snd_seq_t;
typedef struct snd_seq_event snd_seq_event_t;

// A CMidiConnection on the ALSA sequencer (the libasound the sound output loads anyway): a
// client of its own with, once opened, one write port subscribed to the source and a thread
// that waits for its events.
class CAlsaConnection final : public CMidiConnection
{
public:
    // nullptr when the sequencer cannot be opened.
    static std::unique_ptr<CMidiConnection> Create(Sink sink);
    ~CAlsaConnection() override;

    // Names as "client name:port name client:port", of the ports others may read from.
    std::vector<std::string> SourcePorts() override;
    bool Open(const std::string& strPort) override;

    // The note an event carries (a note-on of velocity 0 is off); false for any other event.
    static bool NoteOf(const snd_seq_event_t& event, CMidiNote& note);

private:
    CAlsaConnection(snd_seq_t* pSeq, int nWakeRead, int nWakeWrite, Sink sink);
    // Where the source port of this name is, false when there is none.
    bool Find(const std::string& strPort, int& nClient, int& nPort);
    void Run();
    void Drain();

    snd_seq_t* m_pSeq;
    int m_nWakeRead; // a pipe whose write end stops Run
    int m_nWakeWrite;
    std::thread m_thread;
};
