// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/midi_decoder.h"

namespace {

constexpr std::uint8_t c_uSysexStart = 0xF0;
constexpr std::uint8_t c_uFirstRealtime = 0xF8;
constexpr std::uint8_t c_uNoteOff = 0x80;
constexpr std::uint8_t c_uNoteOn = 0x90;

// Data bytes that follow a channel status: program change and channel pressure carry one.
int DataBytesOf(std::uint8_t uStatus)
{
    const std::uint8_t uType = uStatus & 0xF0;
    return (uType == 0xC0 || uType == 0xD0) ? 1 : 2;
}

// Data bytes of a system common message: time code quarter frame, song position, song select.
int CommonDataBytesOf(std::uint8_t uStatus)
{
    switch (uStatus) {
    case 0xF1:
    case 0xF3:
        return 1;
    case 0xF2:
        return 2;
    default:
        return 0;
    }
}

} // namespace

void CMidiDecoder::StartStatus(std::uint8_t uStatus)
{
    // Any status byte but a realtime one (the end of exclusive, 0xF7, among them) ends a system
    // exclusive and an unfinished message.
    m_bSysex = uStatus == c_uSysexStart;
    m_nHave = 0;
    m_nSkip = 0;
    if (uStatus < c_uSysexStart) {
        m_uStatus = uStatus;
        return;
    }
    m_uStatus = 0;
    m_nSkip = CommonDataBytesOf(uStatus);
}

bool CMidiDecoder::Feed(std::uint8_t uByte, CMidiNote& note)
{
    if (uByte >= c_uFirstRealtime)
        return false;
    if (uByte & 0x80) {
        StartStatus(uByte);
        return false;
    }
    if (m_bSysex)
        return false;
    if (m_nSkip > 0) {
        --m_nSkip;
        return false;
    }
    if (m_uStatus == 0)
        return false; // data with no status to belong to
    m_auData[m_nHave++] = uByte;
    if (m_nHave < DataBytesOf(m_uStatus))
        return false;
    m_nHave = 0;
    const std::uint8_t uType = m_uStatus & 0xF0;
    if (uType != c_uNoteOn && uType != c_uNoteOff)
        return false;
    note.m_nNote = m_auData[0];
    note.m_bOn = uType == c_uNoteOn && m_auData[1] != 0;
    return true;
}

void CMidiDecoder::EndPacket()
{
    m_nHave = 0;
    m_nSkip = 0;
}
