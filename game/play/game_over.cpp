#include "play/game_over.h"

#include <allegro.h>

#include "display/window_canvas.h"
#include "input/key_gate.h"
#include "input/key_wait.h"
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
    // Keys from play (ESC held through the trap, an arrow repeating) must
    // not act in the name dialog, and arrows still tapped as the last life
    // went must not leave the banner before the player has seen it. Set
    // before the banner shows, so no key pressed once it is seen is lost.
    answerKeysPressedFromNow();
    guardNextKeyWait(GAME_OVER_KEY_GUARD_MS);
    showWorldBitmapScreen();

    // Only the records go; the cells and actors they point to belong to
    // the world's owner and are released when the next game begins.
    LevelStore.clear();

    // The name is asked for when the score earns a place; the table is then
    // drawn above the banner.
    checkHighScore();
    presentScreen();

    // Nor does a key typed into the name dialog, held on, dismiss the
    // table it leads to.
    answerKeysPressedFromNow();
    KeyWaitSource();
    clear_keybuf();

    clear_bitmap(WorldBitmap);
    newGame();
}
