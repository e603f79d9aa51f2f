#include "play/play_loop.h"

#include <allegro.h>

#include <cstddef>
#include <vector>

#include "input/step_input.h"
#include "process/end_request.h"
#include "process/library_callbacks.h"
#include "recording/run_summary.h"
#include "screens/help_page.h"
#include "screens/render_frame.h"
#include "screens/status_message.h"
#include "settings/options_dialog.h"
#include "sound/effect_settings.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/tile.h"
#include "world/world_event.h"
#include "world/world_step.h"

unsigned char Paused = 0;
bool PlayWaits = true;
void (*PlayStepHook)() = nullptr;

namespace {

bool EffectsKeyWasDown = false;
constexpr int KEY_RELEASE_REST_MS = 20;

// F3 turns the effects off and on. It is read from the keyboard even in a
// replay, where the recording's controls drive the step: it changes nothing
// in the world, so a recording holds no trace of it.
void watchEffectsKey()
{
    const bool down = key[KEY_F3] != 0;
    if (down && !EffectsKeyWasDown) {
        toggleSoundEffects();
        sayOnStatusBar(effectSettings().effectsOn ? "Effects on" : "Effects off");
    }
    EffectsKeyWasDown = down;
}

// Waits in 20 ms slices until the timer has moved past `last`; a run
// without waits has no timer and goes straight on.
void waitForTickAfter(int last)
{
    while (PlayWaits && TickCounter == last && !endRequested()) rest(20);
}

}  // namespace

StepResult playStep()
{
    // A signal or a lost display ends play as the close button does, and
    // like it is noted in a recording's step, so its replay ends there too.
    if (endRequested()) CloseRequested = 1;
    // One look at the controls serves the whole step.
    const StepInput input = StepInputSource();
    if (input.quit || CloseRequested) return StepResult::Quit;
    noteGameStepTaken();
    clear_keybuf();

    watchEffectsKey();
    if (input.pause) {
        Paused = !Paused;
        playEffect(Paused ? SoundEffect::Paused : SoundEffect::Resumed);
        clear_keybuf();
        if (PlayWaits) restUnlessEnding(TOGGLE_KEY_REST_MS);
    }
    if (input.music) {
        toggleMusicPause();
        // Music that stops or starts with the pause (a lost focus, and its
        // return) is part of the pause's news, which PAUSE tells.
        if (!input.pause) sayOnStatusBar(MusicPaused ? "Music off" : "Music on");
        clear_keybuf();
        if (PlayWaits) restUnlessEnding(TOGGLE_KEY_REST_MS);
    }

    // The help page and the options change nothing in the world, so a
    // recording needs no letter for them; the frame below draws the paused
    // play again.
    if (input.help && Paused) showHelpPage();
    if (input.options && Paused) {
        runOptionsDialog();
        // The ESC or Enter that closed it does nothing in play, and F10
        // held on does not open it again.
        while (anyKeyHeld() && !CloseRequested && !endRequested()) rest(KEY_RELEASE_REST_MS);
        clear_keybuf();
    }

    if (!Paused) advanceWorld(input.walk);
    renderFrame();
    statusMessageStepDone();
    return StepResult::Continue;
}

void playLoop()
{
    int last = TickCounter;
    waitForTickAfter(last);
    for (;;) {
        // Ticks that passed during a long step are not made up: one step
        // per observed change.
        last = TickCounter;
        if (PlayStepHook != nullptr) PlayStepHook();
        if (playStep() == StepResult::Quit) return;
        const std::vector<WorldEvent> events = takeWorldEvents();
        playEffectsOf(events);
        sayWhatHappened(events);
        waitForTickAfter(last);
    }
}
