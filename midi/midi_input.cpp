// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/midi_input.h"

#include <QMetaObject>

CMidiInput::CMidiInput(QObject* pParent)
    : QObject(pParent)
    , m_ports([this](int nKey, bool bDown) { Post(nKey, bDown); })
{ }

CMidiInput::~CMidiInput()
{
    // No back-end thread may post once this object starts going away.
    m_ports.Stop();
}

void CMidiInput::Start()
{
    m_ports.Start();
}

// On a back-end thread. Events still queued when this object is destroyed are discarded by Qt.
void CMidiInput::Post(int nKey, bool bDown)
{
    if (m_nPending.fetch_add(1) >= c_nMaxPending) {
        m_nPending.fetch_sub(1);
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, nKey, bDown] {
            m_nPending.fetch_sub(1);
            emit Key(nKey, bDown);
        },
        Qt::QueuedConnection);
}
