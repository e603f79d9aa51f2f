// The status bar's background, "Gfx/Status.bmp": a wooden panel framed in
// rope, with parchment where the bar's black texts stand.
#pragma once

#include <allegro.h>

constexpr int STATUS_WIDTH = 800;
constexpr int STATUS_HEIGHT = 100;

// Where the game writes on the bar, in 8-pixel text: each rectangle must
// stay calm and light so the black letters read.
struct TextArea {
    int x0, y0, x1, y1;
};
// clang-format off
constexpr TextArea STATUS_TEXT_AREAS[] = {
    {100, 35, 100 + 12 * 8, 35 + 8},   // "Level: n" from x 100
    {100, 55, 100 + 12 * 8, 55 + 8},   // "Lives: n"
    {700 - 20 * 8, 35, 700, 35 + 8},   // "Bottles left: n" ending at x 700
    {700 - 20 * 8, 55, 700, 55 + 8},   // "Score: n"
    {380, 45, 380 + 5 * 8, 45 + 8},    // "PAUSE"
};
// clang-format on

// A new 24-bit 800x100 memory bitmap; null on failure.
BITMAP *buildStatusPanel();
