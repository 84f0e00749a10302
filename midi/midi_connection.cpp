// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/midi_connection.h"

#include "midi/alsa_connection.h"
#include "midi/jack_connection.h"
#include "midi/white_keys.h"

std::unique_ptr<CMidiConnection> CMidiConnection::Create(Api api, Sink sink)
{
    try {
        if (api == ALSA)
            return CAlsaConnection::Create(std::move(sink));
        return CJackConnection::Create(std::move(sink));
    } catch (...) {
        return nullptr;
    }
}

void CMidiConnection::Give(const CMidiNote& note)
{
    const int nKey = WhiteKeyOf(note.m_nNote);
    if (nKey >= 0)
        m_sink(reinterpret_cast<std::uintptr_t>(this), nKey, note.m_bOn);
}

void CMidiConnection::GiveBytes(const std::uint8_t* pData, std::size_t nSize)
{
    m_decoder.FeedPacket(pData, nSize, [this](const CMidiNote& note) { Give(note); });
}
