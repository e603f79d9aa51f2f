#include "game_over.h"

#include <allegro.h>

#include "key_wait.h"
#include "new_game.h"
#include "screen_text.h"
#include "world/game_state.h"
#include "world/level.h"

void gameOver()
{
    clear_bitmap(WorldBitmap);
    drawBanner("GAME OVER");
    showWorldBitmapScreen();

    // Only the records go; the cells and actors they point to belong to
    // the world's owner and are released when the next game begins.
    LevelStore.clear();

    // HIGH SCORES: the score is checked against the table here (asking for
    // the player's name when it earns a place) and the table is drawn above
    // the banner.

    // Keys typed during play or the 400 ms trap hold would otherwise
    // dismiss the banner before the player has seen it.
    clear_keybuf();
    waitForKeyPress();
    clear_keybuf();

    clear_bitmap(WorldBitmap);
    newGame();
}
