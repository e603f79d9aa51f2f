// "Drunken Sailor", the traditional capstan shanty (public domain), in D
// dorian at a walking pace. Two times through verse and chorus:
//   first  - accordion has the tune over tuba and pizzicato off-beats, the
//            fiddle answers with long notes in the chorus;
//   second - the fiddle takes the tune, the accordion follows a third below,
//            the strings double their off-beats and the kit fills out.
// The last bass bar climbs through C sharp back to D, so the loop's return
// to bar one sounds like the next verse rather than a restart.
#include "shanty.h"

namespace {

// Every bar: 8 eighth notes (4/4).
constexpr int BAR = 8;

// One pass through the verse or the chorus is 8 bars on these chords.
enum Chord { Dm, C };
// clang-format off
const Chord CHORDS[8] = { Dm, Dm, C, C, Dm, Dm, C, Dm };
// clang-format on

// clang-format off
// "What shall we do with a drunken sailor ... early in the morning?"
const char *const VERSE_TUNE =
    "A2 AA A2 AA | A2 D2 F2 A2 | G2 GG G2 GG | G2 C2 E2 G2 |"
    "A2 AA A2 AA | A2 B2 c2 d2 | c2 A2 G2 E2 | D4 D4       |";
// "Way hay and up she rises ... early in the morning!"
const char *const CHORUS_TUNE =
    "A4    A4    | A2 D2 F2 A2 | G4    G4    | G2 C2 E2 G2 |"
    "A4    A4    | A2 B2 c2 d2 | c2 A2 G2 E2 | D4 D4       |";
// The accordion's line under the fiddle: the tune a third (or fifth) below.
const char *const VERSE_THIRDS =
    "F2 FF F2 FF | F2 A,2 D2 F2 | E2 EE E2 EE | E2 G,2 C2 E2 |"
    "F2 FF F2 FF | F2 G2 A2 B2  | A2 F2 E2 C2 | A,4 A,4      |";
const char *const CHORUS_THIRDS =
    "F4    F4    | F2 A,2 D2 F2 | E4    E4    | E2 G,2 C2 E2 |"
    "F4    F4    | F2 G2 A2 B2  | A2 F2 E2 C2 | A,4 A,4      |";
// The fiddle's first entry: long notes above the chorus.
const char *const CHORUS_FIDDLE_HOLDS =
    "d8          | f4    d4     | e8          | g4    e4     |"
    "f8          | f4    a4     | g4    e4    | d8           |";
// The fiddle's last chorus rides an octave up.
const char *const CHORUS_TUNE_HIGH =
    "a4    a4    | a2 d2 f2 a2  | g4    g4    | g2 c2 e2 g2  |"
    "a4    a4    | a2 b2 c'2 d'2| c'2 a2 g2 e2| d4 d4        |";
const char *const SILENT_PASS =
    "z8 | z8 | z8 | z8 | z8 | z8 | z8 | z8 |";

// Bar patterns by chord: "oom" on the strong beats for the tuba, "pah" on
// the off-beats for the strings.
//                               Dm                         C
const char *const TUBA_OOM[2]  = { "D,,2 z2 A,,,2 z2 |",     "C,,2 z2 G,,,2 z2 |" };
const char *const TUBA_WALK[2] = { "D,,2 F,,2 A,,2 F,,2 |",  "C,,2 E,,2 G,,2 E,,2 |" };
const char *const TUBA_HOME    =   "D,,2 A,,,2 D,,2 ^C,,2 |";
const char *const PIZZ_PAH[2]  = { "z2 [A,DF]2 z2 [A,DF]2 |", "z2 [G,CE]2 z2 [G,CE]2 |" };
const char *const PIZZ_DRIVE[2] = {
    "z [A,DF] z [A,DF] z [A,DF] z [A,DF] |",
    "z [G,CE] z [G,CE] z [G,CE] z [G,CE] |" };

// Drum bars, one character an eighth note.
const char *const KICK_BAR        = "X---x--- |";
const char *const TAMBOURINE_BAR  = "--x---x- |";
const char *const TAMBOURINE_RUN  = "o-x-o-x- |";
const char *const CLAP_BAR        = "--x---x- |";
const char *const HAT_BAR         = "xoxoxoxo |";
const char *const CRASH_BAR       = "X------- |";
const char *const REST_BAR        = "-------- |";
// clang-format on

// The 8 bars of a pass, each chord's bar taken from `byChord`; the last bar
// of the piece can be swapped for `lastBar`.
std::string onChords(const char *const byChord[2], const char *lastBar = nullptr)
{
    std::string out;
    for (int bar = 0; bar < 8; ++bar) out += (bar == 7 && lastBar) ? lastBar : byChord[CHORDS[bar]];
    return out;
}

std::string repeatBar(const char *bar, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += bar;
    return out;
}

// A pass of 8 bars that starts with `first` and carries on with `rest`.
std::string startingWith(const char *first, const char *rest)
{
    return first + repeatBar(rest, 7);
}

Shanty build()
{
    Shanty s;
    s.title = "Drunken Sailor";
    s.beatsPerMinute = 116;
    s.barLength = BAR;

    const std::string tune = std::string(VERSE_TUNE) + CHORUS_TUNE;
    // clang-format off
    s.parts = {
        // name      ch prog vol pan vel gate  notes: first pass, then second pass
        {"Accordion", 0, 21, 100, 52, 84, 92,
         tune + VERSE_THIRDS + CHORUS_THIRDS},
        {"Fiddle",    1, 40,  96, 80, 88, 96,
         std::string(SILENT_PASS) + CHORUS_FIDDLE_HOLDS + VERSE_TUNE + CHORUS_TUNE_HIGH},
        {"Tuba",      2, 58, 112, 60, 96, 70,
         onChords(TUBA_OOM) + onChords(TUBA_OOM) + onChords(TUBA_WALK) + onChords(TUBA_WALK, TUBA_HOME)},
        {"Strings",   3, 45,  84, 76, 76, 100,
         onChords(PIZZ_PAH) + onChords(PIZZ_PAH) + onChords(PIZZ_DRIVE) + onChords(PIZZ_DRIVE)},
    };
    // clang-format on
    // clang-format off
    s.drums = {
        // name          key vel  grid: verse, chorus, verse, chorus
        {"Kick",          36, 100, repeatBar(KICK_BAR, 32)},
        {"Tambourine",    54,  70, repeatBar(TAMBOURINE_BAR, 16) + repeatBar(TAMBOURINE_RUN, 16)},
        {"Hand clap",     39,  80, repeatBar(REST_BAR, 24) + repeatBar(CLAP_BAR, 8)},
        {"Closed hi-hat", 42,  56, repeatBar(REST_BAR, 16) + repeatBar(HAT_BAR, 16)},
        {"Crash",         49,  90, repeatBar(REST_BAR, 16) + startingWith(CRASH_BAR, REST_BAR) +
                                   startingWith(CRASH_BAR, REST_BAR)},
    };
    // clang-format on
    return s;
}

}  // namespace

const Shanty &drunkenSailor()
{
    static const Shanty shanty = build();
    return shanty;
}
