// Turns the shanty's note lists into a standard MIDI file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Snd/shanty.h"

constexpr int SHANTY_TICKS_PER_QUARTER = 480;

struct ShantyMidi {
    std::vector<uint8_t> bytes;  // the file; empty when `error` is set
    std::string error;           // which part failed to read, and why
    int bars = 0;
    double seconds = 0.0;  // playing time of one pass through the loop
};

ShantyMidi renderShanty(const Shanty &shanty);
