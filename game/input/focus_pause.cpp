#include "input/focus_pause.h"

#include <allegro.h>

#include "play/play_loop.h"
#include "sound/music.h"
#include "world/game_state.h"

volatile int FocusLost = 0;

namespace {

// The music is paused because the focus went, not by F2.
bool MusicPausedByFocus = false;

}  // namespace

void onFocusLost()
{
    FocusLost = 1;
}

void installFocusPause()
{
    // Allegro's X11 driver calls it on FocusOut while play goes on in the
    // background (SWITCH_BACKGROUND, the windowed default).
    set_display_switch_callback(SWITCH_OUT, onFocusLost);
}

void armFocusPause()
{
    FocusLost = 0;
    MusicPausedByFocus = false;
}

StepInput withFocusPause(StepInput input)
{
    if (input.music) MusicPausedByFocus = false;
    if (FocusLost) {
        FocusLost = 0;
        if (!Paused && !input.pause)
            input.pause = true;
        else if (Paused && input.pause)
            input.pause = false;  // the resuming press loses to the focus loss
        if (!MusicPaused && !input.music) {
            input.music = true;
            MusicPausedByFocus = true;
        }
        return input;
    }
    if (input.pause && Paused && MusicPausedByFocus) {
        MusicPausedByFocus = false;
        input.music = MusicPaused != 0;
    }
    return input;
}
