// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "midi/midi_ports.h"

#include <QObject>
#include <atomic>

// MIDI keyboards as the window sees them: listens to every MIDI port (see CMidiPorts) and
// emits Key on the thread this object lives in, through queued events, so that the back-ends'
// threads never wait for the window and the window never waits for them. Nothing but
// white-key notes crosses over; a flood of other messages costs the window nothing.
class CMidiInput : public QObject
{
    Q_OBJECT
public:
    // Events posted and not yet delivered beyond which further notes are dropped: more than a
    // player can play, few enough that a runaway sender cannot bury the window.
    static constexpr int c_nMaxPending = 256;

    explicit CMidiInput(QObject* pParent = nullptr);
    ~CMidiInput() override;

    // Starts listening; the first look for ports runs at once, off this thread.
    void Start();
    CMidiPorts& Ports() { return m_ports; }
    // Any thread: queues Key for this object's thread, unless c_nMaxPending are waiting.
    void Post(int nKey, bool bDown);

signals:
    // nKey 0..7 (E F G A B C D E'), bDown for note-on, false for note-off.
    void Key(int nKey, bool bDown);

private:
    std::atomic<int> m_nPending {0};
    CMidiPorts m_ports; // last: stopped first, before anything a back-end thread uses
};
