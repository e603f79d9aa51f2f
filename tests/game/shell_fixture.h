// A running Allegro (X11 system driver, timer, keyboard) for the shell's
// tests, with `screen` pointed at an 800x600 memory bitmap, the game's
// bitmaps made, a synthetic sprite sheet, and a scratch working directory
// that holds a tiny "Snd/main.mid" so a new game finds its music.
#pragma once

#include <allegro.h>
#include <gtest/gtest.h>

#include "process/library_callbacks.h"
#include "play/play_loop.h"
#include "screens/status_bar.h"
#include "sound/music.h"
#include "world/world.h"

// Every test starts on a 50x50 grid of plain cells with the game state of a
// fresh game, the player at (10, 10), no keys down and an empty key buffer;
// it releases every cell and actor it made.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Puts a new cell of type T at (x, y), replacing what was there.
template <typename T> T *putCell(int x, int y);

// A new monster standing on (x, y), appended to the MonsterList.
Monster *putMonster(int x, int y);

// Screen pixel as (r, g, b) packed 0xRRGGBB.
int screenRgb(int x, int y);

template <typename T> T *putCell(int x, int y)
{
    T *cell = new T();
    TileGrid[x][y] = cell;
    return cell;
}
