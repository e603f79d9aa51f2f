// The short sounds of what happens: a bottle taken, the stairs, a monster,
// a trap, the game over and the screens around play. Each is a WAV of
// Snd/ made at build time; the same effect started again starts over
// rather than piling up, and effects never take the music's voices.
#pragma once

#include <string>
#include <vector>

#include "world/world_event.h"

enum class SoundEffect {
    BottleTaken,
    StairsDown,
    StairsUp,
    MonsterAppeared,
    Trapped,
    GameOver,
    ScoreRecorded,
    Paused,
    Resumed,
    GameStarted,
};

// Voices for effects, set aside before install_sound beside the ones the
// software MIDI player keeps for the music (Allegro's own counts).
constexpr int EFFECT_VOICES = 8;
constexpr int MUSIC_VOICES = 24;

// A monster's growl plays at most once in this long, however many appear.
constexpr int MONSTER_EFFECT_GAP_MS = 1000;

// Call before install_sound.
void reserveEffectVoices();

// Loads every effect, after install_sound, from where `dataPath` says the
// game's data file lies. Without a digital sound driver nothing is loaded
// and nothing is said; files that cannot be read are named in one line on
// standard error and stay silent.
void loadSoundEffects(std::string (*dataPath)(const char *relative));

// Stops and frees the effects.
void releaseSoundEffects();

// Starts one effect at the effects volume, unless effects are off or
// silenced for this run or the file is missing.
void playEffect(SoundEffect effect);

// The effect of each event of a step, in order (events without a sound are
// passed over). Call after the step, with what takeWorldEvents() returned.
void playEffectsOf(const std::vector<WorldEvent> &events);

// The trap's sound belongs with the hold that shows the trap, which comes
// before the step is over: it starts now, and when the step's events are
// played this event passes without starting it again.
void playTrapEffectEarly(const WorldEvent &trapped);

// Whether an event has a sound, and which.
bool effectOfEvent(const WorldEvent &event, SoundEffect &effect);

// F3: effects off when on, on when off.
void toggleSoundEffects();

// No effect plays for the rest of the run, whatever F3 says (a fast
// replay: its steps come faster than any sound could follow).
void silenceEffectsForRun();
