// The world's state of one running game: counters, the player's cell and
// the bitmaps the world draws into. Plain globals, read by the game too.
#pragma once

#include <allegro.h>

class Player;

extern int Score;       // points of the current game
extern int Lives;       // lives left
extern int LevelIndex;  // current level counted from 0; shown as LevelIndex + 1

extern Player *ThePlayer;  // the player of the current game
extern int PlayerX;        // the player's column, 0..49
extern int PlayerY;        // the player's row, 0..49

extern BITMAP *WorldBitmap;  // 1600x1600: the whole level, also the title canvas
extern BITMAP *SpriteSheet;  // "Gfx/Tile.bmp": every tile and actor image
