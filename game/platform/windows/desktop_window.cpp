// The Windows side of platform/desktop_window.h. Windows has no window
// manager to ask: fullscreen is Allegro's own (DirectDraw), a new window
// shows at once, and the focus is the foreground window.
#include "platform/desktop_window.h"

#include <allegro.h>
// After allegro.h, as Allegro asks.
#include <winalleg.h>
// The window thread's calls that take the keyboard and mouse.
#include <allegro/platform/aintwin.h>

bool hasOwnFullscreenMode()
{
    // DirectDraw at the desktop's own resolution: no monitor changes mode.
    return true;
}

bool windowManagerDoesFullscreen()
{
    // No window manager runs: nobody is there to hold a window fullscreen.
    return false;
}

bool askForFullscreenState(bool)
{
    // Nobody to ask (see above): nothing was asked.
    return false;
}

void waitUntilWindowSettled(int)
{
    // A window shows as soon as it is made, with nobody to take it in hand.
}

bool windowHasFocus()
{
    const HWND window = win_get_window();
    return window != nullptr && GetForegroundWindow() == window;
}

bool moveWindowToDesktopCorner()
{
    const HWND window = win_get_window();
    return window != nullptr && SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER) != 0;
}

void takeInputAfterNewMode()
{
    // A new mode has the window's thread let go of the keyboard and mouse
    // and take them again, both by posted calls; under Wine the call that
    // takes the keyboard can go missing, and the keys then go nowhere. The
    // calls are posted once more, after those, and a message of no meaning
    // wakes the thread for them: it sleeps until a message comes that it has
    // not yet seen.
    const HWND window = win_get_window();
    if (window == nullptr || GetForegroundWindow() != window) return;
    wnd_schedule_proc(key_dinput_acquire);
    wnd_schedule_proc(mouse_dinput_grab);
    PostMessage(window, WM_NULL, 0, 0);
}
