// The instrument set for Allegro's software MIDI player (DIGMID), made from
// Debian's freepats: a "default.cfg" index in the form DIGMID reads, and an
// "allegro.cfg" that points the program at it.
//
// DIGMID's index is not TiMidity's: melodic programs are numbered from 1
// (General MIDI program 0, the grand piano, is line "1"), and drum keys are
// listed by note number inside a "129-256 begin_multipatch default blank"
// ... "end_multipatch" block. Patch paths may be absolute.
#pragma once

#include <map>
#include <string>

struct PatchSet {
    std::map<int, std::string> programs;  // 0-based GM program -> .pat path
    std::map<int, std::string> drums;     // GM percussion key -> .pat path
};

// freepats keeps melodic patches as Tone_000/NNN_Name.pat (NNN the 0-based
// program) and drums as Drum_000/NNN_Name.pat (NNN the key).
PatchSet scanFreepats(const std::string &freepatsDir);

// The text of DIGMID's default.cfg for `set`.
std::string digmidConfig(const PatchSet &set);

// Reads a DIGMID default.cfg back the way DIGMID numbers it.
PatchSet readDigmidConfig(const std::string &text);

// The allegro.cfg that makes DIGMID load "default.cfg" from the program's
// own directory.
std::string allegroConfig();

// The first Allegro configuration file of the user's own, in the places
// Allegro searches after the program's directory; empty when there is none.
std::string userAllegroConfig();

// Marks the allegro.cfg files that this tool writes (and may replace).
extern const char *const GENERATED_CONFIG_MARK;
