// Bringing the program up: the library and its devices, the play timer,
// the window, the off-screen bitmaps and the art loaded from disk.
#ifndef GAME_START_UP_H
#define GAME_START_UP_H

// The play timer: 79545 ticks of Allegro's 1193181 Hz clock, 15 steps a second.
constexpr long PLAY_TIMER_PERIOD = 79545;

constexpr int SCREEN_WIDTH = 800;
constexpr int SCREEN_HEIGHT = 600;
constexpr int WORLD_BITMAP_SIZE = 1600;
constexpr int STATUS_BAR_WIDTH = 800;
constexpr int STATUS_BAR_HEIGHT = 100;

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
// atexit. Without a usable system (no X display, for one) it prints the
// reason on standard error and ends the process with status 1: every
// install call after a failed start would crash.
void startLibraryOrExit();

// Sets the graphics mode on `card`, or prints why it could not on standard
// error and ends the process with status 1: a player who gets no window
// must learn the reason.
void openWindowOrExit(int card, int width, int height);

// A new bitmap, or a line on standard error and exit status 1: play would
// otherwise crash at its first drawing into it.
struct BITMAP *createBitmapOrExit(int width, int height, const char *purpose);

#endif
