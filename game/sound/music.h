// The background music: one MIDI piece, looped for the whole game, paused
// and resumed with F2.
#ifndef GAME_MUSIC_H
#define GAME_MUSIC_H

// Loads "Snd/main.mid" afresh into Music and plays it in a loop, releasing
// the piece of the previous game. A missing piece is reported in a message
// box and the game goes on in silence.
void startGameMusic();

// F2: resumes paused music or pauses playing music, flipping MusicPaused.
void toggleMusicPause();

// Stops the music and releases the piece loaded last.
void releaseMusic();

#endif
