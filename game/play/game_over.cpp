#include "play/game_over.h"

#include <allegro.h>

#include "input/key_wait.h"
#include "platform/window_scale.h"
#include "play/new_game.h"
#include "scores/high_scores.h"
#include "screens/screen_text.h"
#include "screens/status_bar.h"
#include "sound/sound_effects.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/world_event.h"

void gameOver()
{
    // The game over's own sound, with the banner rather than after the
    // whole nested game this call runs.
    playEffectsOf(takeWorldEvents());
    clear_bitmap(WorldBitmap);
    drawBanner("GAME OVER");
    // The final score and level stay at the foot until the title comes.
    drawGameOverBar(WorldBitmap, Score, LevelIndex + 1);
    showWorldBitmapScreen();

    // Only the records go; the cells and actors they point to belong to
    // the world's owner and are released when the next game begins.
    LevelStore.clear();

    // Keys still buffered from play (an arrow, ESC held through the trap)
    // must not act in the name dialog before the player has seen it.
    clear_keybuf();
    // The name is asked for when the score earns a place; the table is then
    // drawn above the banner.
    checkHighScore();
    presentScreen();

    // Keys left over from play or typed into the name dialog would
    // otherwise dismiss the banner before the player has seen it.
    clear_keybuf();
    KeyWaitSource();
    clear_keybuf();

    clear_bitmap(WorldBitmap);
    newGame();
}
