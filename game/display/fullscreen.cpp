#include "display/fullscreen.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>

#include "display/picture_layout.h"
#include "display/screen_size.h"
#include "display/window_canvas.h"
#include "display/window_scale.h"
#include "input/focus_pause.h"
#include "platform/desktop_window.h"
#include "platform/window_identity.h"

bool RequestedFullscreen = false;

namespace {

// How long a switch waits for the window manager to be done with the
// window's last mode before setting the next.
constexpr int SETTLE_WAIT_MS = 2000;

bool Fullscreen = false;
bool AskedWindowManager = false;  // the window manager holds the window in its fullscreen state

void reopenWindowedOrExit()
{
    waitUntilWindowSettled(SETTLE_WAIT_MS);
    if (reopenWindow(GFX_AUTODETECT_WINDOWED, SCREEN_WIDTH * WindowScale, SCREEN_HEIGHT * WindowScale,
                     windowedLayout(WindowScale)))
        return;
    std::fprintf(stderr, "grog-sloop: cannot open the window again: %s\n",
                 allegro_error[0] != '\0' ? allegro_error : "unknown graphics failure");
    std::exit(1);
}

// A new graphics mode takes the input focus from the window for a moment:
// that is not the player leaving the game, so the focus loss it brings is
// forgotten once the focus is back (and a little later, when Allegro's
// input thread has heard of it). A focus that does not come back within a
// second stays lost, and play pauses.
void forgetFocusLossOfSwitch()
{
    constexpr int WAIT_MS = 1000, STEP_MS = 10, SETTLE_MS = 100;
    for (int waited = 0; waited < WAIT_MS; waited += STEP_MS) {
        if (windowHasFocus()) {
            rest(SETTLE_MS);
            if (windowHasFocus()) FocusLost = 0;
            return;
        }
        rest(STEP_MS);
    }
}

// A new graphics mode forgets the display-switch callbacks; the title and
// icon stay with the window but are set again in case it was made anew.
void afterNewMode()
{
    if (!is_windowed_mode()) {
        // Allegro's own fullscreen: while the player is in another program
        // the game goes on, paused by the focus loss, so that a close
        // request or the session's end still ends it cleanly; what it
        // draws meanwhile goes nowhere, and the screen comes back black, to
        // be drawn again.
        set_display_switch_mode(SWITCH_BACKAMNESIA);
        set_display_switch_callback(SWITCH_IN, onScreenRestored);
    }
    takeInputAfterNewMode();
    installFocusPause();
    finishWindowIdentity();
    forgetFocusLossOfSwitch();
}

bool goFullscreen()
{
    int width = 0, height = 0;
    if (get_desktop_resolution(&width, &height) != 0) {
        std::fputs("grog-sloop: cannot go fullscreen: the size of the screen is unknown\n", stderr);
        return false;
    }
    if (width < SCREEN_WIDTH || height < SCREEN_HEIGHT) {
        std::fprintf(stderr, "grog-sloop: cannot go fullscreen: the screen (%dx%d) is smaller than the game\n", width,
                     height);
        return false;
    }
    waitUntilWindowSettled(SETTLE_WAIT_MS);
    const PictureLayout layout = fullscreenLayout(width, height);
    // At the desktop's own resolution no monitor has to change its mode.
    bool opened = false;
    if (hasOwnFullscreenMode()) {
        opened = reopenWindow(GFX_AUTODETECT_FULLSCREEN, width, height, layout);
        if (!opened)
            std::fprintf(stderr,
                         "grog-sloop: no fullscreen mode of %dx%d (%s); a window of the screen's size instead\n", width,
                         height, allegro_error[0] != '\0' ? allegro_error : "refused");
    }
    if (!opened && !reopenWindow(GFX_AUTODETECT_WINDOWED, width, height, layout)) {
        std::fprintf(stderr, "grog-sloop: cannot go fullscreen: %s\n",
                     allegro_error[0] != '\0' ? allegro_error : "no window of the screen's size");
        reopenWindowedOrExit();
        afterNewMode();
        return false;
    }
    if (is_windowed_mode()) {
        AskedWindowManager = windowManagerDoesFullscreen() && askForFullscreenState(true);
        if (!AskedWindowManager) moveWindowToDesktopCorner();
    }
    afterNewMode();
    return true;
}

}  // namespace

bool setFullscreen(bool fullscreen)
{
    if (fullscreen == Fullscreen) return true;
    if (fullscreen) {
        Fullscreen = goFullscreen();
        return Fullscreen;
    }
    // Out of the window manager's fullscreen state first, so that it lets
    // the window take its own size again.
    if (AskedWindowManager) askForFullscreenState(false);
    AskedWindowManager = false;
    reopenWindowedOrExit();
    afterNewMode();
    Fullscreen = false;
    return true;
}

bool isFullscreen()
{
    return Fullscreen;
}
