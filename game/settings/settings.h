// The player's choices that outlive a run, and their text form: the
// settings file is plain "key = value" lines a person can edit. Plain C++
// with Allegro's key codes only, so the reader can be fuzzed on its own.
//
//   # GROG SLOOP settings                      comment lines are skipped
//   version = 1                                first; a file without it is version 1
//   music_volume = 80                          0..100
//   effects_volume = 100                       0..100
//   effects = on                               on | off
//   keys = arrows                              arrows | arrows+wasd | custom
//   key_up = UP                                the custom set: a key name each for
//   key_down = DOWN                            up, down, left, right, pause and
//   key_left = LEFT                            music (A..Z, 0..9, UP, DOWN, LEFT,
//   key_right = RIGHT                          RIGHT, SPACE, ENTER, TAB, F1..F12,
//   key_pause = SPACE                          HOME, END, PGUP, PGDN, INSERT,
//   key_music = F2                             DELETE, and the keypad's KP0..KP9)
//   short_taps = on                            on | off
//   scale = 1                                  1..4 | auto
//   fullscreen = off                           on | off
//   look = GTK                                 the dialogs' look, by name
#pragma once

#include <cstddef>
#include <string>
#include <vector>

constexpr const char *SETTINGS_VERSION_LINE = "version = 1";
// A settings file is a few hundred bytes; anything past this is not one.
constexpr std::size_t SETTINGS_BYTES_MAX = 64 * 1024;
// Problems beyond this many are counted, not each told.
constexpr std::size_t SETTINGS_PROBLEMS_TOLD = 5;

enum class KeySet { Arrows, ArrowsAndWasd, Custom };

// The six controls a key set binds, in the order the options dialog lists
// them.
enum Control { CONTROL_UP, CONTROL_DOWN, CONTROL_LEFT, CONTROL_RIGHT, CONTROL_PAUSE, CONTROL_MUSIC, CONTROL_COUNT };

struct Settings {
    int musicVolume = 100;    // 0..100
    int effectsVolume = 100;  // 0..100
    bool effectsOn = true;
    KeySet keySet = KeySet::Arrows;
    int customKeys[CONTROL_COUNT];  // Allegro scancodes, for KeySet::Custom
    bool shortTaps = true;          // a tap between two steps still moves
    int windowScale = 1;            // 1..4, or 0 for "auto"
    bool fullscreen = false;
    std::string look = "GTK";

    Settings();
    bool operator==(const Settings &other) const;
    bool operator!=(const Settings &other) const { return !(*this == other); }
};

// Reads a settings file's text. Whatever cannot be used (a bad value, an
// unknown key, a line that is not "key = value", another version,
// a file too large or not text) keeps its default, and each problem is
// added to `problems` as one short sentence naming the line. Never fails.
Settings parseSettings(const char *text, std::size_t size, std::vector<std::string> &problems);

// The whole file for `settings`, version line first.
std::string settingsText(const Settings &settings);

// A key's name in the file ("UP", "W", "F2"), or "" for a key without one.
const char *keyName(int scancode);
// The scancode for a name, or 0 when there is none.
int keyNamed(const std::string &name);

// The name a key set has in the file and the dialog.
const char *keySetName(KeySet set);
