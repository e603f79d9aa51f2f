// The background music: one MIDI piece, looped for the whole game, paused
// and resumed with F2.
#pragma once

#include <allegro.h>

extern MIDI *Music;                // "Snd/main.mid": the background music
extern unsigned char MusicPaused;  // the music is paused (F2)
// False for a run without a timer (a headless verification): Allegro's
// MIDI player needs one, so nothing is loaded or played, and F2 only flips
// MusicPaused.
extern bool MusicWanted;

// Loads "Snd/main.mid" afresh into Music and plays it in a loop, releasing
// the piece of the previous game. A missing piece is reported in a message
// box and the game goes on in silence.
void startGameMusic();

// F2: resumes paused music or pauses playing music, flipping MusicPaused.
void toggleMusicPause();

// Stops the music and releases the piece loaded last.
void releaseMusic();

// The music's loudness, 0 (silent) to 100 (full), heard at once.
void applyMusicVolume(int percent);
