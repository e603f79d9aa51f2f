// Bringing the program up: the library and its devices, the play timer,
// the window, the off-screen bitmaps and the art loaded from disk.
#pragma once

// The play timer: 79545 ticks of Allegro's 1193181 Hz clock, 15 steps a second.
constexpr long PLAY_TIMER_PERIOD = 79545;

// Runs the whole start-up and returns 0: missing sound or music only costs
// a line on standard error. Ends the process with status 1 when the library
// or the window cannot be started.
int startUp();

// Points Allegro's software MIDI player at the game's own instrument set
// (default.cfg in the data directory) unless the player's Allegro
// configuration names a patch set of its own. Call before install_sound.
void pointMidiAtOwnPatches();

// Installs sound with MIDI, else without MIDI, else not at all; says on
// standard error, in one line, what is missing and why. Loads the sound
// effects where samples can play. Never fails.
void startSound();

// Allegro with the system driver autodetected and its exit handler given to
// atexit; then the game's own answers to the session's end and to a lost
// display, and the shut-down watchdog. Without a usable system (no X display, for one) it prints the
// reason on standard error and ends the process with status 1: every
// install call after a failed start would crash.
void startLibraryOrExit();
