// Reading the tune-book notation of the music sources.
#include <gtest/gtest.h>

#include "note_list.h"

namespace {

TEST(NoteList, PitchesFollowTheTuneBookOctaves)
{
    const NoteList l = parseNoteList("C c C, c' ^F _B =E A,,", 0);
    ASSERT_TRUE(l.error.empty()) << l.error;
    const int expected[] = {60, 72, 48, 84, 66, 70, 64, 45};
    ASSERT_EQ(l.events.size(), 8u);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(l.events[i].pitches.at(0), expected[i]) << i;
}

TEST(NoteList, LengthsPlaceEachNoteAfterTheLast)
{
    const NoteList l = parseNoteList("A2 AA z3 [DFA]12", 0);
    ASSERT_TRUE(l.error.empty()) << l.error;
    ASSERT_EQ(l.events.size(), 5u);
    EXPECT_EQ(l.events[1].start, 2);
    EXPECT_EQ(l.events[2].start, 3);
    EXPECT_TRUE(l.events[3].pitches.empty()) << "a rest sounds nothing";
    EXPECT_EQ(l.events[3].length, 3);
    EXPECT_EQ(l.events[4].start, 7);
    EXPECT_EQ(l.events[4].length, 12) << "lengths of two digits";
    EXPECT_EQ(l.events[4].pitches, (std::vector<int>{62, 65, 69}));
    EXPECT_EQ(l.length, 19);
}

TEST(NoteList, AShortOrLongBarIsNamed)
{
    EXPECT_TRUE(parseNoteList("A8 | A4 A4 |", 8).error.empty());
    const NoteList shortBar = parseNoteList("A8 | A4 A3 | A8 |", 8);
    EXPECT_NE(shortBar.error.find("bar 2 holds 7"), std::string::npos) << shortBar.error;
    EXPECT_TRUE(shortBar.events.empty()) << "a faulty list yields no notes";
    // A bar left open at the end is checked as well.
    EXPECT_NE(parseNoteList("A8 | A4", 8).error.find("bar 2"), std::string::npos);
}

TEST(NoteList, BadTextIsReportedNotGuessed)
{
    EXPECT_FALSE(parseNoteList("A2 H2", 0).error.empty());
    EXPECT_FALSE(parseNoteList("[DF", 0).error.empty());
    EXPECT_FALSE(parseNoteList("[]2", 0).error.empty());
    EXPECT_FALSE(parseNoteList("A0", 0).error.empty());
    EXPECT_FALSE(parseNoteList("c''''''", 0).error.empty()) << "beyond MIDI note 127";
    EXPECT_FALSE(parseNoteList("C,,,,,,", 0).error.empty()) << "below MIDI note 0";
    EXPECT_FALSE(parseNoteList("A99999999", 0).error.empty()) << "absurd length";
}

TEST(DrumGrid, MarksGiveHitsAndLoudness)
{
    const DrumGrid g = parseDrumGrid("X-x- | o---", 4);
    ASSERT_TRUE(g.error.empty()) << g.error;
    ASSERT_EQ(g.hits.size(), 3u);
    EXPECT_EQ(g.hits[0].start, 0);
    EXPECT_EQ(g.hits[0].level, 2);
    EXPECT_EQ(g.hits[1].start, 2);
    EXPECT_EQ(g.hits[1].level, 1);
    EXPECT_EQ(g.hits[2].start, 4);
    EXPECT_EQ(g.hits[2].level, 0);
    EXPECT_EQ(g.length, 8);
}

TEST(DrumGrid, WrongBarsAndMarksAreErrors)
{
    EXPECT_NE(parseDrumGrid("x--- | x-- |", 4).error.find("bar 2"), std::string::npos);
    EXPECT_FALSE(parseDrumGrid("x-?-", 4).error.empty());
}

}  // namespace
