#include "display/desktop_keys.h"

#include <allegro.h>

#include "display/fullscreen.h"
#include "display/screenshot.h"
#include "display/window_canvas.h"
#include "platform/desktop_window.h"
#include "screens/status_message.h"

namespace {

void (*EarlierLowLevelCallback)(int) = nullptr;  // the play keys' own, called first
volatile int FullscreenSwitchAsked = 0;
volatile int ScreenshotAsked = 0;

bool altHeld()
{
    return key[KEY_ALT] != 0 || key[KEY_ALTGR] != 0;
}

bool isEnter(int scancode)
{
    return scancode == KEY_ENTER || scancode == KEY_ENTER_PAD;
}

// Which keys are down, as this callback has seen them: a key held long
// enough to repeat asks only once.
bool Down[KEY_MAX];

// Input thread, once for every press and release (and repeat).
void noteDesktopKey(int scancode)
{
    if (EarlierLowLevelCallback != nullptr) EarlierLowLevelCallback(scancode);
    const int code = scancode & 0x7f;
    const bool pressed = (scancode & 0x80) == 0;
    const bool repeated = pressed && Down[code];
    Down[code] = pressed;
    if (!pressed || repeated) return;
    if (code == KEY_F11 || (isEnter(code) && altHeld())) FullscreenSwitchAsked = 1;
    if (code == KEY_F12) ScreenshotAsked = 1;
}

// Input thread, for every key that would enter the buffer: 0 keeps it out.
int keepOutOfBuffer(int keyValue)
{
    const int scancode = keyValue >> 8;
    if (scancode == KEY_F11 || scancode == KEY_F12 || (isEnter(scancode) && altHeld())) return 0;
    return keyValue;
}

}  // namespace

void installDesktopKeys()
{
    if (keyboard_lowlevel_callback != noteDesktopKey) EarlierLowLevelCallback = keyboard_lowlevel_callback;
    keyboard_lowlevel_callback = noteDesktopKey;
    keyboard_callback = keepOutOfBuffer;
}

void serviceDesktopKeys()
{
    // Every waiting loop comes here: a screen that came back black shows
    // its picture again even where nothing is drawn.
    presentIfScreenRestored();
    // A switch shows the picture again and so comes back here: the flags
    // are taken first.
    // In play the status bar says how it went (standard error and output
    // say it too, for every screen).
    if (FullscreenSwitchAsked) {
        FullscreenSwitchAsked = 0;
        if (!setFullscreen(!isFullscreen())) sayOnStatusBar("Fullscreen", "unavailable");
        // Allegro's Windows keyboard lets go of every key when a new mode
        // takes it, and finds the F11 still held down again when it gets it
        // back: that press asked for nothing.
        if (hasOwnFullscreenMode()) FullscreenSwitchAsked = 0;
    }
    if (ScreenshotAsked) {
        ScreenshotAsked = 0;
        sayOnStatusBar("Screenshot", saveScreenshot(shownPicture()) ? "saved" : "not saved");
    }
}
