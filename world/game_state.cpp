#include "world/game_state.h"

int Score = 0;
int Lives = 0;
int LevelIndex = 0;

Player *ThePlayer = nullptr;
int PlayerX = 0;
int PlayerY = 0;

BITMAP *WorldBitmap = nullptr;
BITMAP *SpriteSheet = nullptr;
