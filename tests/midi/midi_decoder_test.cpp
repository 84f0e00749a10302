// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/midi_decoder.h"
#include "midi/white_keys.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// "+60" for a note-on of 60, "-60" for a note-off: the notes a byte stream decodes to.
std::string Decode(CMidiDecoder& decoder, const std::vector<std::uint8_t>& bytes)
{
    std::string out;
    decoder.FeedPacket(bytes.data(), bytes.size(), [&out](const CMidiNote& note) {
        out += (out.empty() ? "" : " ") + std::string(note.m_bOn ? "+" : "-")
            + std::to_string(note.m_nNote);
    });
    return out;
}

std::string Decode(const std::vector<std::uint8_t>& bytes)
{
    CMidiDecoder decoder;
    return Decode(decoder, bytes);
}

TEST(MidiDecoder, NotesOnEveryChannelWithRunningStatusAndVelocityZeroAsOff)
{
    EXPECT_EQ(Decode({0x90, 60, 100, 0x80, 60, 64}), "+60 -60");
    EXPECT_EQ(Decode({0x9F, 52, 1, 0x8A, 52, 0}), "+52 -52");
    // One status byte for a whole chord and its release by velocity 0.
    EXPECT_EQ(
        Decode({0x90, 60, 90, 64, 90, 67, 90, 60, 0, 64, 0, 67, 0}), "+60 +64 +67 -60 -64 -67");
    // Running status carries over from one packet to the next.
    CMidiDecoder decoder;
    EXPECT_EQ(Decode(decoder, {0x92, 55, 80}), "+55");
    EXPECT_EQ(Decode(decoder, {55, 0}), "-55");
}

TEST(MidiDecoder, RealtimeBytesAnywhereLeaveTheMessageWhole)
{
    EXPECT_EQ(Decode({0xF8, 0x90, 0xF8, 60, 0xFE, 100, 0xFF}), "+60");
    EXPECT_EQ(Decode({0x90, 60, 0xFA, 0xFB, 0xFC, 0xF9, 0xFD, 0, 62, 0xF8, 0}), "-60 -62");
    // Unlike the other system messages they keep running status.
    EXPECT_EQ(Decode({0x90, 60, 100, 0xF8, 62, 100}), "+60 +62");
}

TEST(MidiDecoder, OtherMessagesAreSkippedWithTheirDataBytes)
{
    // Sustain pedal, pitch bend, aftertouch, program change and channel pressure.
    EXPECT_EQ(Decode({0xB0, 64, 127, 0xE0, 0, 64, 0xA0, 60, 50, 0xC0, 60, 0xD0, 60}), "");
    // Running status of a one-byte message: each byte is a whole message, never a note.
    EXPECT_EQ(Decode({0xC0, 60, 61, 62, 0x90, 62, 1}), "+62");
    // System exclusive ends at F7 or at any status byte; data after F7 has no status.
    EXPECT_EQ(Decode({0xF0, 0x7E, 0x90, 0xF7, 60, 100, 0x90, 64, 100}), "+64");
    EXPECT_EQ(Decode({0xF0, 1, 2, 0x90, 60, 100}), "+60");
    // System common messages swallow their own data and cancel running status.
    EXPECT_EQ(Decode({0x90, 60, 100, 0xF2, 60, 100, 62, 100}), "+60");
    EXPECT_EQ(Decode({0xF1, 60, 0xF3, 62, 0xF6, 64, 100, 0x90, 64, 100}), "+64");
}

TEST(MidiDecoder, CutShortMessagesAreDropped)
{
    EXPECT_EQ(Decode({0x90, 60, 0x90, 62, 100}), "+62");
    EXPECT_EQ(Decode({0x90, 60, 0x80, 62, 0}), "-62");
    EXPECT_EQ(Decode({60, 100, 0x90}), ""); // data before any status, status without data
    // A packet that ends inside a message does not lend its bytes to the next packet.
    CMidiDecoder decoder;
    EXPECT_EQ(Decode(decoder, {0x90, 60}), "");
    EXPECT_EQ(Decode(decoder, {100}), "");
    EXPECT_EQ(Decode(decoder, {62, 100}), "+62");
}

// Random bytes neither crash nor leave the decoder stuck: after any garbage a full note
// message with its own status byte is always decoded.
TEST(MidiDecoder, RandomBytesThenAWholeMessage)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 2000; ++round) {
        CMidiDecoder decoder;
        std::vector<std::uint8_t> garbage(static_cast<std::size_t>(length(random)));
        for (std::uint8_t& b : garbage)
            b = static_cast<std::uint8_t>(byte(random));
        CMidiNote note;
        for (std::uint8_t b : garbage) {
            if (decoder.Feed(b, note)) {
                ASSERT_LT(note.m_nNote, 128);
            }
        }
        ASSERT_EQ(Decode(decoder, {0x93, 57, 70}), "+57") << "round " << round;
    }
}

TEST(WhiteKeys, TheOctaveOfTheGameAndTheFoldingOfOthers)
{
    const int aNote[8] = {52, 53, 55, 57, 59, 60, 62, 64};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(WhiteKeyOf(aNote[k]), k) << aNote[k];
    // E F G A B C D of the octaves below and above, and the lowest and highest white keys.
    EXPECT_EQ(WhiteKeyOf(40), 0);
    EXPECT_EQ(WhiteKeyOf(76), 0); // the E above E' folds down to the low E
    EXPECT_EQ(WhiteKeyOf(28), 0);
    EXPECT_EQ(WhiteKeyOf(41), 1);
    EXPECT_EQ(WhiteKeyOf(79), 2);
    EXPECT_EQ(WhiteKeyOf(21), 3); // A0, lowest piano key
    EXPECT_EQ(WhiteKeyOf(71), 4);
    EXPECT_EQ(WhiteKeyOf(0), 5);
    EXPECT_EQ(WhiteKeyOf(108), 5); // C8, highest piano key
    EXPECT_EQ(WhiteKeyOf(50), 6);
    EXPECT_EQ(WhiteKeyOf(127), 2);
    for (int black : {54, 56, 58, 61, 63, 1, 126})
        EXPECT_EQ(WhiteKeyOf(black), -1) << black;
    EXPECT_EQ(WhiteKeyOf(-1), -1);
    EXPECT_EQ(WhiteKeyOf(128), -1);
}

} // namespace
