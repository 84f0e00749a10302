// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/alsa_connection.h"

#include <alsa/asoundlib.h>
#include <gtest/gtest.h>

namespace {

snd_seq_event_t NoteEvent(snd_seq_event_type_t type, int nNote, int nVelocity)
{
    snd_seq_event_t event {};
    event.type = type;
    event.data.note.note = static_cast<unsigned char>(nNote);
    event.data.note.velocity = static_cast<unsigned char>(nVelocity);
    return event;
}

} // namespace

// The sequencer has already parsed the bytes: what is left is telling notes from the rest.
TEST(AlsaConnection, TakesNotesFromSequencerEvents)
{
    CMidiNote note;
    ASSERT_TRUE(CAlsaConnection::NoteOf(NoteEvent(SND_SEQ_EVENT_NOTEON, 60, 100), note));
    EXPECT_EQ(note.m_nNote, 60);
    EXPECT_TRUE(note.m_bOn);
    ASSERT_TRUE(CAlsaConnection::NoteOf(NoteEvent(SND_SEQ_EVENT_NOTEON, 62, 0), note));
    EXPECT_EQ(note.m_nNote, 62);
    EXPECT_FALSE(note.m_bOn);
    ASSERT_TRUE(CAlsaConnection::NoteOf(NoteEvent(SND_SEQ_EVENT_NOTEOFF, 127, 64), note));
    EXPECT_EQ(note.m_nNote, 127);
    EXPECT_FALSE(note.m_bOn);
    EXPECT_FALSE(CAlsaConnection::NoteOf(NoteEvent(SND_SEQ_EVENT_KEYPRESS, 60, 100), note));
    EXPECT_FALSE(CAlsaConnection::NoteOf(NoteEvent(SND_SEQ_EVENT_CONTROLLER, 64, 127), note));
}
