// Reads the music's note lists. A tune is written as in folk tune books:
//
//   "A2 AA A2 AA | A2 D2 F2 A2 |"
//
// A letter is a pitch (C is middle C, c the octave above; each ',' lowers and
// each '\'' raises an octave; '^' sharpens, '_' flattens), the number after
// it its length in eighth notes (1 when absent), 'z' a rest, "[DFA]2" a
// chord. '|' marks a bar line, where the bar's length is checked.
//
// A drum line is a grid, one character an eighth note:
//   "x---x--- | --x---x-"   'X' accented hit, 'x' hit, 'o' soft hit, '-' rest.
#pragma once

#include <string>
#include <vector>

struct NoteListEvent {
    int start;                 // in eighth notes from the start of the list
    int length;                // in eighth notes
    std::vector<int> pitches;  // MIDI note numbers; empty for a rest
};

struct NoteList {
    std::vector<NoteListEvent> events;
    int length = 0;     // total eighth notes
    std::string error;  // empty when the list read cleanly
};

// `barLength` is the number of eighths every bar must hold (0: unchecked).
NoteList parseNoteList(const std::string &text, int barLength);

struct DrumHit {
    int start;  // eighth note
    int level;  // 2 accented, 1 normal, 0 soft
};

struct DrumGrid {
    std::vector<DrumHit> hits;
    int length = 0;
    std::string error;
};

DrumGrid parseDrumGrid(const std::string &text, int barLength);
