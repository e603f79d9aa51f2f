// A standard MIDI file (format 1) built in memory: one track per part, events
// placed by absolute tick and written in time order with delta times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class MidiTrack {
public:
    explicit MidiTrack(std::string name = {});

    void noteOn(uint32_t tick, int channel, int note, int velocity);
    void noteOff(uint32_t tick, int channel, int note);
    void programChange(uint32_t tick, int channel, int program);
    void controlChange(uint32_t tick, int channel, int controller, int value);
    void tempo(uint32_t tick, int beatsPerMinute);
    void timeSignature(uint32_t tick, int beatsPerBar, int beatUnit);

    // The track's bytes (without the MTrk header), ending with end-of-track
    // at `endTick` so every track of a looping piece ends on the same beat.
    std::vector<uint8_t> encode(uint32_t endTick) const;

private:
    struct Event {
        uint32_t tick;
        int order;  // at one tick: note-offs first, then set-up, then note-ons
        std::vector<uint8_t> bytes;
    };
    void add(uint32_t tick, int order, std::vector<uint8_t> bytes);

    std::string name_;
    std::vector<Event> events_;
};

// The variable-length quantity of the file format (7 bits a byte, high bit
// set on every byte but the last).
std::vector<uint8_t> midiVarLen(uint32_t value);

// A whole file: header with `ticksPerQuarter`, then every track, all ending
// at `endTick`.
std::vector<uint8_t> encodeMidiFile(const std::vector<MidiTrack> &tracks, int ticksPerQuarter, uint32_t endTick);
