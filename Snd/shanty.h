// The background music as data: parts written as note lists (see
// tools/make-assets/note_list.h for the notation), each on its own MIDI
// channel and General MIDI program, and drum lines as grids on channel 10.
#pragma once

#include <string>
#include <vector>

struct ShantyPart {
    std::string name;
    int channel;      // 0-based MIDI channel
    int program;      // 0-based General MIDI program
    int volume;       // controller 7
    int pan;          // controller 10, 64 is the middle
    int velocity;     // base loudness of a note; bar and beat accents add to it
    int gatePercent;  // how much of its written length a note sounds
    std::string notes;
};

struct ShantyDrum {
    std::string name;
    int note;      // General MIDI percussion key
    int velocity;  // of a normal hit
    std::string grid;
};

struct Shanty {
    std::string title;
    int beatsPerMinute;  // quarter notes a minute
    int barLength;       // eighth notes in a bar
    std::vector<ShantyPart> parts;
    std::vector<ShantyDrum> drums;
};

// The game's tune: "Drunken Sailor", arranged for accordion, fiddle, tuba,
// pizzicato strings and a small kit, two times through the verse and chorus.
const Shanty &drunkenSailor();

// MIDI channel 10 (9 counted from 0) carries the drums.
constexpr int DRUM_CHANNEL = 9;
