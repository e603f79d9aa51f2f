// The sizes of the game's picture and canvases, read by start-up, the
// enlarged window and everything that draws.
#pragma once

constexpr int SCREEN_WIDTH = 800;
constexpr int SCREEN_HEIGHT = 600;
constexpr int WORLD_BITMAP_SIZE = 1600;
constexpr int STATUS_BAR_WIDTH = 800;
constexpr int STATUS_BAR_HEIGHT = 100;
