// The global state of one running game, shared by the shell and the world.
// Plain globals: the game is single-threaded apart from the two library
// callbacks, which only touch the two volatile counters.
#pragma once

#include <allegro.h>

class Player;

extern volatile int TickCounter;               // +1 at every timer tick, 15 a second
extern volatile unsigned char CloseRequested;  // 1 once the close button was pressed
extern unsigned char Paused;                   // play is paused
extern unsigned char MusicPaused;              // the music is paused

extern int Score;       // points of the current game
extern int Lives;       // lives left
extern int LevelIndex;  // current level counted from 0; shown as LevelIndex + 1

extern Player *ThePlayer;  // the player of the current game
extern int PlayerX;        // the player's column, 0..49
extern int PlayerY;        // the player's row, 0..49

extern BITMAP *WorldBitmap;   // 1600x1600: the whole level, also the title canvas
extern BITMAP *StatusBitmap;  // 800x100: canvas of the status bar
extern BITMAP *StatusImage;   // "Gfx/Status.bmp": background of the status bar
extern BITMAP *SpriteSheet;   // "Gfx/Tile.bmp": every tile and actor image
extern MIDI *Music;           // "Snd/main.mid": the background music
