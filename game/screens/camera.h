// The camera window: 25 by 16 cells of the 50 by 50 level, kept around the
// player and held against the level's edges.
#pragma once

constexpr int CAMERA_COLUMNS = 25;
constexpr int CAMERA_ROWS = 16;

// Left column of the window for a player in column `playerX`: 0..25.
int cameraX(int playerX);

// Top row of the window for a player in row `playerY`: 0..34.
int cameraY(int playerY);
