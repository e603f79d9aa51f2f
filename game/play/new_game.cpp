#include "play/new_game.h"

#include "input/focus_pause.h"
#include "input/key_wait.h"
#include "play/play_loop.h"
#include "screens/title_screen.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "world/game_start.h"
#include "world/world_event.h"

void newGame()
{
    resetForNewGame();

    showTitleScreen();
    // The key stays in the buffer; the first play step empties it.
    KeyWaitSource();

    buildFirstLevel();
    // The start's call, as the title gives way to play.
    playEffectsOf(takeWorldEvents());
    startGameMusic();
    Paused = 0;
    // Switching windows on the title screen does not pause the game to come.
    armFocusPause();
    playLoop();
}
