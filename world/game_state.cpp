#include "world/game_state.h"

volatile int TickCounter = 0;
volatile unsigned char CloseRequested = 0;
unsigned char Paused = 0;
unsigned char MusicPaused = 0;

int Score = 0;
int Lives = 0;
int LevelIndex = 0;

Player *ThePlayer = nullptr;
int PlayerX = 0;
int PlayerY = 0;

BITMAP *WorldBitmap = nullptr;
BITMAP *StatusBitmap = nullptr;
BITMAP *StatusImage = nullptr;
BITMAP *SpriteSheet = nullptr;
MIDI *Music = nullptr;
