#include "play/new_game.h"

#include <allegro.h>

#include "input/focus_pause.h"
#include "input/key_bindings.h"
#include "input/key_gate.h"
#include "input/key_wait.h"
#include "play/play_loop.h"
#include "process/end_request.h"
#include "recording/run_summary.h"
#include "screens/help_page.h"
#include "screens/screen_text.h"
#include "screens/status_message.h"
#include "settings/options_dialog.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "world/game_start.h"
#include "world/world_event.h"

namespace {

bool answerTitleKey(int scancode)
{
    if (scancode == KEY_F1) {
        showHelpPage();
    } else if (scancode == KEY_F10) {
        runOptionsDialog();
    } else {
        return false;
    }
    answerKeysPressedFromNow();
    showTitleScreen();
    return true;
}

}  // namespace

void newGame()
{
    // The game just over is the one a run's summary describes until this
    // one is played.
    noteNewGameBegins();
    resetForNewGame();

    // Only a key pressed once this screen shows leaves it: not the one held
    // on from the game-over screen. The key stays in the buffer; the first
    // play step empties it. F1 and F10 show the help and the options and
    // come back here.
    answerKeysPressedFromNow();
    showTitleScreen();
    WaitingScreenKeys = answerTitleKey;
    KeyWaitSource();
    WaitingScreenKeys = nullptr;

    buildFirstLevel();
    // The start's call, as the title gives way to play.
    playEffectsOf(takeWorldEvents());
    // Asked to end on the title screen, the game goes on to its first step,
    // which ends it as a recording notes; loading the piece and the
    // instruments it needs would only hold up the way out.
    if (!endRequested()) startGameMusic();
    Paused = 0;
    // What the last game or the title had to say is over.
    forgetStatusMessage();
    // Switching windows on the title screen does not pause the game to come,
    // and the key that left it does not walk.
    armFocusPause();
    forgetTaps();
    answerEveryKey();
    playLoop();
}
