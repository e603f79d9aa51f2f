#include "shanty_midi.h"

#include "midi_file.h"
#include "note_list.h"

namespace {

constexpr uint32_t TICKS_PER_EIGHTH = SHANTY_TICKS_PER_QUARTER / 2;

// Notes on the first beat of a bar lean in a little harder, those on the
// third beat a little less: the push and pull of a capstan song.
int accent(int eighth, int barLength)
{
    const int inBar = eighth % barLength;
    if (inBar == 0) return 12;
    if (inBar == barLength / 2) return 6;
    return 0;
}

}  // namespace

ShantyMidi renderShanty(const Shanty &shanty)
{
    ShantyMidi out;
    std::vector<MidiTrack> tracks;

    MidiTrack conductor(shanty.title);
    conductor.tempo(0, shanty.beatsPerMinute);
    conductor.timeSignature(0, shanty.barLength / 2, 4);
    tracks.push_back(conductor);

    // A part or drum line that does not read stops the music at once; one
    // that reads but lasts longer or shorter than the first is noted, and
    // the rest are still read in case one of them does not read at all.
    int length = -1;
    auto accept = [&](const std::string &name, const std::string &error, int partLength) {
        if (!error.empty()) {
            out.error = name + ": " + error;
            return false;
        }
        if (length < 0) length = partLength;
        if (partLength != length && out.error.empty())
            out.error = name + " lasts " + std::to_string(partLength) + " eighths, the tune " + std::to_string(length);
        return true;
    };

    for (const ShantyPart &part : shanty.parts) {
        const NoteList list = parseNoteList(part.notes, shanty.barLength);
        if (!accept(part.name, list.error, list.length)) return out;
        MidiTrack track(part.name);
        track.programChange(0, part.channel, part.program);
        track.controlChange(0, part.channel, 7, part.volume);
        track.controlChange(0, part.channel, 10, part.pan);
        for (const NoteListEvent &e : list.events) {
            const uint32_t on = static_cast<uint32_t>(e.start) * TICKS_PER_EIGHTH;
            const uint32_t written = static_cast<uint32_t>(e.length) * TICKS_PER_EIGHTH;
            const uint32_t sounding = std::max<uint32_t>(1, written * static_cast<uint32_t>(part.gatePercent) / 100);
            for (int pitch : e.pitches) {
                track.noteOn(on, part.channel, pitch, part.velocity + accent(e.start, shanty.barLength));
                track.noteOff(on + sounding, part.channel, pitch);
            }
        }
        tracks.push_back(track);
    }

    MidiTrack drums("Drums");
    drums.controlChange(0, DRUM_CHANNEL, 7, 100);
    for (const ShantyDrum &drum : shanty.drums) {
        const DrumGrid grid = parseDrumGrid(drum.grid, shanty.barLength);
        if (!accept(drum.name, grid.error, grid.length)) return out;
        for (const DrumHit &hit : grid.hits) {
            const uint32_t on = static_cast<uint32_t>(hit.start) * TICKS_PER_EIGHTH;
            const int velocity = drum.velocity + (hit.level - 1) * 24;
            drums.noteOn(on, DRUM_CHANNEL, drum.note, velocity);
            drums.noteOff(on + TICKS_PER_EIGHTH / 2, DRUM_CHANNEL, drum.note);
        }
    }
    if (!shanty.drums.empty()) tracks.push_back(drums);

    if (!out.error.empty()) return out;
    if (length <= 0) {
        out.error = "the shanty has no notes";
        return out;
    }
    // Every track ends together on the last bar line, so the loop comes
    // round without a gap.
    const uint32_t end = static_cast<uint32_t>(length) * TICKS_PER_EIGHTH;
    out.bytes = encodeMidiFile(tracks, SHANTY_TICKS_PER_QUARTER, end);
    out.bars = length / shanty.barLength;
    out.seconds = (length / 2.0) * 60.0 / shanty.beatsPerMinute;
    return out;
}
