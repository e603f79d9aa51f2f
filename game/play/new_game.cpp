#include "play/new_game.h"

#include "input/focus_pause.h"
#include "input/key_wait.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "play/play_loop.h"
#include "screens/title_screen.h"
#include "world/game_state.h"
#include "world/generator.h"
#include "world/player.h"
#include "world/world_event.h"
#include "world/world_owner.h"

void newGame()
{
    // A game over starts this game from inside the old game's play step.
    // That step and the loops around it read only the globals once we
    // return, and those will name this game's objects, so the old game's
    // cells, actors and player can all go now.
    releaseWorldObjects();

    ThePlayer = new Player();
    Score = 0;
    LevelIndex = 0;
    Lives = STARTING_LIVES;

    showTitleScreen();
    // The key stays in the buffer; the first play step empties it.
    KeyWaitSource();

    generateLevel();
    // The start's call, as the title gives way to play.
    playEffectsOf(takeWorldEvents());
    startGameMusic();
    Paused = 0;
    // Switching windows on the title screen does not pause the game to come.
    armFocusPause();
    playLoop();
}
