// The music file: written as a standard MIDI file that Allegro reads, the
// right length, at least three parts, and a loop without a seam.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <unistd.h>

#include "allegro_fixture.h"
#include "midi_file.h"
#include "shanty_midi.h"

namespace {

::testing::Environment *const allegroEnv = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);

TEST(MidiWriting, VariableLengthNumbers)
{
    EXPECT_EQ(midiVarLen(0), (std::vector<uint8_t>{0x00}));
    EXPECT_EQ(midiVarLen(0x7F), (std::vector<uint8_t>{0x7F}));
    EXPECT_EQ(midiVarLen(0x80), (std::vector<uint8_t>{0x81, 0x00}));
    EXPECT_EQ(midiVarLen(0x3FFF), (std::vector<uint8_t>{0xFF, 0x7F}));
    EXPECT_EQ(midiVarLen(0x200000), (std::vector<uint8_t>{0x81, 0x80, 0x80, 0x00}));
}

TEST(MidiWriting, ANoteEndsBeforeTheSameNoteStartsAgainOnOneTick)
{
    MidiTrack t;
    t.noteOn(240, 0, 69, 90);  // added first, yet must come after the note-off
    t.noteOn(0, 0, 69, 90);
    t.noteOff(240, 0, 69);
    const std::vector<uint8_t> bytes = t.encode(480);
    // clang-format off
    const std::vector<uint8_t> expected = {
        0x00, 0x90, 69, 90,         // on at 0
        0x81, 0x70, 0x80, 69, 64,   // off at 240
        0x00, 0x90, 69, 90,         // on again at 240
        0x81, 0x70, 0xFF, 0x2F, 0x00};
    // clang-format on
    EXPECT_EQ(bytes, expected);
}

TEST(MidiWriting, DataBytesStayBelow128)
{
    MidiTrack t;
    t.noteOn(0, 3, 200, 300);
    t.controlChange(0, 3, 7, -5);
    const std::vector<uint8_t> bytes = t.encode(0);
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == 0x93) {
            EXPECT_EQ(bytes[i + 1], 127);
            EXPECT_EQ(bytes[i + 2], 127);
        }
    MidiTrack quiet;
    quiet.noteOn(0, 0, 60, 0);  // velocity 0 would read as a note-off
    EXPECT_EQ(quiet.encode(0)[3], 1);
}

class ShantyFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        music = renderShanty(drunkenSailor());
        ASSERT_TRUE(music.error.empty()) << music.error;
    }
    ShantyMidi music;
};

TEST_F(ShantyFile, LastsBetweenFortyFiveAndNinetySeconds)
{
    EXPECT_GE(music.seconds, 45.0);
    EXPECT_LE(music.seconds, 90.0);
}

TEST_F(ShantyFile, HasTuneBassAndRhythmOnDistinctPrograms)
{
    const Shanty &s = drunkenSailor();
    std::set<int> channels, programs;
    for (const ShantyPart &p : s.parts) {
        EXPECT_NE(p.channel, DRUM_CHANNEL) << p.name;
        channels.insert(p.channel);
        programs.insert(p.program);
    }
    EXPECT_EQ(channels.size(), s.parts.size()) << "each part on its own channel";
    EXPECT_GE(programs.size(), 3u);
    EXPECT_GE(s.drums.size(), 1u);
}

TEST_F(ShantyFile, AllegroLoadsTheFile)
{
    char path[] = "/tmp/grog-shanty-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, music.bytes.data(), music.bytes.size()), static_cast<ssize_t>(music.bytes.size()));
    close(fd);
    MIDI *m = load_midi(path);
    std::remove(path);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->divisions, SHANTY_TICKS_PER_QUARTER);
    int tracks = 0;
    for (int i = 0; i < MIDI_TRACKS; ++i) tracks += m->track[i].data != nullptr;
    EXPECT_EQ(tracks, static_cast<int>(drunkenSailor().parts.size()) + 2) << "conductor, parts, drums";
    destroy_midi(m);
}

// Walks a track's events: (absolute tick, status, data1) for channel
// messages; returns the tick of end-of-track.
struct Seen {
    uint32_t tick;
    uint8_t status, data1, data2;
};
uint32_t walkTrack(const uint8_t *p, const uint8_t *end, std::vector<Seen> *out)
{
    uint32_t tick = 0;
    uint8_t running = 0;
    while (p < end) {
        uint32_t delta = 0;
        do delta = (delta << 7) | (*p & 0x7F);
        while (*p++ & 0x80);
        tick += delta;
        uint8_t status = *p;
        if (status & 0x80)
            ++p;
        else
            status = running;
        if (status == 0xFF) {
            const uint8_t type = *p++;
            const uint8_t len = *p++;
            p += len;
            if (type == 0x2F) return tick;
            continue;
        }
        running = status;
        const int kind = status & 0xF0;
        const uint8_t d1 = *p++;
        const uint8_t d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : *p++;
        out->push_back({tick, status, d1, d2});
    }
    return 0xFFFFFFFF;
}

TEST_F(ShantyFile, LoopsWithoutASeam)
{
    const std::vector<uint8_t> &b = music.bytes;
    ASSERT_GT(b.size(), 14u);
    const int trackCount = (b[10] << 8) | b[11];
    const uint32_t loopEnd = static_cast<uint32_t>(music.bars) * 8 * (SHANTY_TICKS_PER_QUARTER / 2);
    size_t at = 14;
    uint32_t firstOn = 0xFFFFFFFF, lastOff = 0;
    for (int t = 0; t < trackCount; ++t) {
        ASSERT_EQ(std::string(b.begin() + at, b.begin() + at + 4), "MTrk");
        const uint32_t len = (b[at + 4] << 24) | (b[at + 5] << 16) | (b[at + 6] << 8) | b[at + 7];
        std::vector<Seen> events;
        const uint32_t endTick = walkTrack(b.data() + at + 8, b.data() + at + 8 + len, &events);
        EXPECT_EQ(endTick, loopEnd) << "track " << t << " must end on the loop's last bar line";
        for (const Seen &e : events) {
            if ((e.status & 0xF0) == 0x90) firstOn = std::min(firstOn, e.tick);
            if ((e.status & 0xF0) == 0x80) lastOff = std::max(lastOff, e.tick);
            EXPECT_LE(e.tick, loopEnd);
        }
        at += 8 + len;
    }
    EXPECT_EQ(at, b.size());
    EXPECT_EQ(firstOn, 0u) << "the music starts on the first beat";
    EXPECT_GE(lastOff, loopEnd - SHANTY_TICKS_PER_QUARTER) << "no silent tail before the loop";
}

TEST(ShantyErrors, PartsOfDifferentLengthsAreRefused)
{
    Shanty s;
    s.title = "test";
    s.beatsPerMinute = 120;
    s.barLength = 8;
    s.parts = {{"one", 0, 21, 100, 64, 80, 90, "A8 | A8 |"}, {"two", 1, 40, 100, 64, 80, 90, "A8 |"}};
    const ShantyMidi m = renderShanty(s);
    EXPECT_NE(m.error.find("two"), std::string::npos) << m.error;
    EXPECT_TRUE(m.bytes.empty());
}

}  // namespace
