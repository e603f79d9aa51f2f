#include "play/new_game.h"

#include "input/focus_pause.h"
#include "input/key_bindings.h"
#include "input/key_wait.h"
#include "play/play_loop.h"
#include "screens/screen_text.h"
#include "sound/music.h"
#include "world/game_start.h"

void newGame()
{
    resetForNewGame();

    showTitleScreen();
    // The key stays in the buffer; the first play step empties it.
    KeyWaitSource();

    buildFirstLevel();
    startGameMusic();
    Paused = 0;
    // Switching windows on the title screen does not pause the game to come,
    // and the key that left it does not walk.
    armFocusPause();
    forgetTaps();
    playLoop();
}
