// The Windows side of platform/x11_window.h. Windows has no window manager
// to ask: fullscreen is Allegro's own (DirectDraw), a new window shows at
// once, and the focus is the foreground window.
#include "platform/x11_window.h"

#include <allegro.h>
// After allegro.h, as Allegro asks.
#include <winalleg.h>

bool setWindowIconProperty(const std::vector<unsigned long> &)
{
    return false;
}

bool hasOwnFullscreenMode()
{
    return true;
}

bool windowManagerDoesFullscreen()
{
    return false;
}

bool askForFullscreenState(bool)
{
    return false;
}

void waitUntilWindowSettled(int) {}

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

void wakeWindowThread()
{
    // A new mode posts the window's thread the calls that take the keyboard
    // and mouse, but that thread sleeps until a message comes that it has
    // not yet seen: the posts, seen while it was busy with the mode, would
    // wait for the next mouse move, and the keys would go nowhere. A message
    // of no meaning wakes it.
    const HWND window = win_get_window();
    if (window != nullptr) PostMessage(window, WM_NULL, 0, 0);
}
