// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sing/note_tracker.h"
#include "sing/octave_fold.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

float HzOf(float fMidi)
{
    return 440.0f * std::pow(2.0f, (fMidi - 69.0f) / 12.0f);
}

// Feeds hops to a tracker and writes down its events: +note for a press, -1 for a release.
struct STrackerRun
{
    CNoteTracker tracker;
    std::vector<int> anEvents;

    void Hops(int n, float fLevel, float fMidi, float fConfidence = 0.95f)
    {
        for (int i = 0; i < n; ++i)
            Hop(fLevel, fMidi, fConfidence);
    }
    void Hop(float fLevel, float fMidi, float fConfidence = 0.95f, bool bOnset = false)
    {
        switch (tracker.Hop(fLevel, fMidi > 0 ? HzOf(fMidi) : 0.0f, fConfidence, bOnset)) {
        case CNoteTracker::EEvent::Press:
            anEvents.push_back(tracker.Note());
            break;
        case CNoteTracker::EEvent::Release:
            anEvents.push_back(-1);
            break;
        case CNoteTracker::EEvent::None:
            break;
        }
    }
    void Silence(int n) { Hops(n, 0.0001f, 0, 0); }
};

constexpr int c_nHopsPerSecond = 48000 / 256;

} // namespace

TEST(OctaveFold, KeyboardOctaveAndBlackKeys)
{
    COctaveFold fold;
    const int anNotes[] = {55, 52, 53, 57, 59, 60, 62, 64};
    const int anKeys[] = {2, 0, 1, 3, 4, 5, 6, 7};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(fold.KeyOf(anNotes[i]), anKeys[i]) << anNotes[i];
    EXPECT_EQ(fold.KeyOf(54), -1); // F#
    EXPECT_EQ(fold.KeyOf(61), -1); // C#
    EXPECT_EQ(fold.Shift(), 0);
}

TEST(OctaveFold, OneShiftPerAnswerTellsEFromEPrime)
{
    COctaveFold fold;
    // A bass an octave down: G2 E2 E3 are G E E'.
    EXPECT_EQ(fold.KeyOf(43), 2);
    EXPECT_EQ(fold.KeyOf(40), 0);
    EXPECT_EQ(fold.KeyOf(52), 7);
    EXPECT_EQ(fold.Shift(), -1);
    // A child two octaves up in the next answer: D6 is D, E6 is E', E5 is E.
    fold.NewAnswer();
    EXPECT_EQ(fold.KeyOf(86), 6);
    EXPECT_EQ(fold.KeyOf(88), 7);
    EXPECT_EQ(fold.KeyOf(76), 0);
    EXPECT_EQ(fold.Shift(), 2);
}

TEST(OctaveFold, AnAnswerOpeningOnEKeepsTheSingersOctave)
{
    COctaveFold fresh;
    EXPECT_EQ(fresh.KeyOf(64), 7); // nearest the keyboard's own octave: E4 is E'
    COctaveFold fold;
    EXPECT_EQ(fold.KeyOf(67), 2); // G4: a singer an octave up
    fold.NewAnswer();
    EXPECT_EQ(fold.KeyOf(64), 0); // so E4 opening the next answer is E
    EXPECT_EQ(fold.KeyOf(62 + 12), 6);
    EXPECT_EQ(fold.Shift(), 1);
}

TEST(NoteTracker, SteadyNoteEntersOnceAndIsReleasedAfterTheVoice)
{
    STrackerRun run;
    run.Silence(20);
    run.Hops(CNoteTracker::c_nSteadyHops - 1, 0.05f, 57.0f);
    EXPECT_TRUE(run.anEvents.empty()) << "entered before the pitch was steady long enough";
    run.Hops(60, 0.05f, 57.0f);
    run.Silence(20);
    EXPECT_EQ(run.anEvents, (std::vector<int> {57, -1}));
}

TEST(NoteTracker, VibratoAndDetuningKeepTheNearestSemitone)
{
    STrackerRun run;
    run.Silence(20);
    // B3 sung 40 cents flat, then C4 40 cents sharp, a second each.
    run.Hops(c_nHopsPerSecond, 0.05f, 58.6f);
    run.Silence(20);
    run.Hops(c_nHopsPerSecond, 0.05f, 60.4f);
    run.Silence(20);
    // A3 with +-50 cents of vibrato at 5.5 Hz, and E3 with 25 cents of it, 20 cents sharp.
    for (int i = 0; i < c_nHopsPerSecond; ++i)
        run.Hop(0.05f, 57.0f + 0.5f * std::sin(2.0f * 3.14159f * 5.5f * i / c_nHopsPerSecond));
    run.Silence(20);
    for (int i = 0; i < c_nHopsPerSecond; ++i)
        run.Hop(0.05f, 52.2f + 0.25f * std::sin(2.0f * 3.14159f * 6.0f * i / c_nHopsPerSecond));
    run.Silence(20);
    EXPECT_EQ(run.anEvents, (std::vector<int> {59, -1, 60, -1, 57, -1, 52, -1}));
}

TEST(NoteTracker, GlideEntersOnlyWhereThePitchStays)
{
    STrackerRun run;
    run.Silence(20);
    int nGlide = c_nHopsPerSecond * 3 / 10; // 7 semitones in 0.3 s
    for (int i = 0; i < nGlide; ++i)
        run.Hop(0.05f, 57.0f + 7.0f * i / nGlide);
    EXPECT_TRUE(run.anEvents.empty());
    run.Hops(40, 0.05f, 64.0f);
    EXPECT_EQ(run.anEvents, (std::vector<int> {64}));
    // Moving on without a break releases the old note, then enters the new one.
    run.Hops(40, 0.05f, 60.0f);
    EXPECT_EQ(run.anEvents, (std::vector<int> {64, -1, 60}));
}

TEST(NoteTracker, RepeatedNoteEntersAgainAfterABreakOrAReattack)
{
    STrackerRun run;
    run.Silence(20);
    run.Hops(50, 0.05f, 52.0f);
    run.Silence(10); // the voice breaks for 53 ms
    run.Hops(50, 0.05f, 52.0f);
    // A plucked string: decays, then is struck again without losing its pitch.
    for (int i = 0; i < 60; ++i)
        run.Hop(0.08f * std::pow(0.96f, static_cast<float>(i)), 52.0f);
    run.Hops(40, 0.08f, 52.0f);
    EXPECT_EQ(run.anEvents, (std::vector<int> {52, -1, 52, -1, 52}));
}

TEST(NoteTracker, LegatoRepeatEntersAgainOnlyWithAnAttackHeard)
{
    // A note sinks to a fifth over 30 ms and swells back as slowly (1.35 times a hop, too slow
    // for a struck string's jump): once as a sampled voice's loop, once as the same note sung
    // again, whose attack the onset finder hears as the level turns.
    auto Swell = [](STrackerRun& run, bool bAttack) {
        for (float fLevel = 0.05f; fLevel > 0.01f; fLevel *= 0.75f)
            run.Hop(fLevel, 57.0f);
        run.Hop(0.01f, 57.0f, 0.95f, bAttack);
        for (float fLevel = 0.0135f; fLevel < 0.05f; fLevel *= 1.35f)
            run.Hop(fLevel, 57.0f);
        run.Hops(40, 0.05f, 57.0f);
    };
    STrackerRun run;
    run.Silence(20);
    run.Hops(40, 0.05f, 57.0f);
    Swell(run, false);
    EXPECT_EQ(run.anEvents, (std::vector<int> {57}));
    Swell(run, true);
    EXPECT_EQ(run.anEvents, (std::vector<int> {57, -1, 57}));
}

TEST(NoteTracker, FollowsASingersOwnTuningButKeepsTheToleranceOfEveryNote)
{
    STrackerRun run;
    // A singer 45 cents sharp throughout: each note still enters its own key...
    const float afSung[] = {57.45f, 59.45f, 60.45f, 55.45f, 53.45f};
    for (float fSung : afSung) {
        run.Silence(20);
        run.Hops(60, 0.05f, fSung);
    }
    // ...the borders between keys have moved with them: 55 cents sharp is still G...
    run.Silence(20);
    run.Hops(60, 0.05f, 55.55f);
    // ...but never so far that a note 40 cents flat leaves its key.
    run.Silence(20);
    run.Hops(60, 0.05f, 56.6f);
    run.Silence(20);
    EXPECT_EQ(
        run.anEvents, (std::vector<int> {57, -1, 59, -1, 60, -1, 55, -1, 53, -1, 55, -1, 57, -1}));
    // An in-tune singer's note 55 cents sharp is the semitone above.
    STrackerRun fresh;
    fresh.Silence(20);
    fresh.Hops(60, 0.05f, 55.55f);
    EXPECT_EQ(fresh.anEvents, (std::vector<int> {56}));
}

TEST(NoteTracker, NoiseAndQuietRoomsEnterNothing)
{
    STrackerRun run;
    std::mt19937 random(3);
    std::uniform_real_distribution<float> anyPitch(40.0f, 90.0f);
    std::uniform_real_distribution<float> lowConfidence(0.0f, 0.7f);
    for (int i = 0; i < 2 * c_nHopsPerSecond; ++i)
        run.Hop(0.1f, anyPitch(random), lowConfidence(random));
    // A clean pitch below -50 dBFS is a room's hum or a far radio, not the player.
    run.Hops(2 * c_nHopsPerSecond, 0.002f, 57.0f);
    EXPECT_TRUE(run.anEvents.empty());
    // The noise has not deafened the gate: a voice at an ordinary level is heard.
    run.Hops(30, 0.05f, 57.0f);
    EXPECT_EQ(run.anEvents, (std::vector<int> {57}));
}
