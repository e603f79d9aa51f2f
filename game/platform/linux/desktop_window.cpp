// The Linux side of platform/desktop_window.h, with the icon property of
// linux/icon_property.h: the X server and the window manager are asked
// over a connection of the game's own.
#include "platform/desktop_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <ctime>

#include "platform/linux/icon_property.h"
#include "platform/linux/x_connection_loss.h"

// Allegro keeps its X connection, screen and drawing window at the head of
// its `_xwin` record; the header that describes it (xalleg.h) is not
// installed with the library, so the head is spelt out here. The drawing
// window sits inside the top-level window that the window manager handles.
struct AllegroXwinHead {
    Display *display;
    volatile int lockCount;
    int screen;
    Window window;
};
extern "C" AllegroXwinHead _xwin;  // NOLINT(bugprone-reserved-identifier): Allegro's own name

namespace {

Display *OwnConnection = nullptr;

void closeOwnConnection()
{
    if (OwnConnection != nullptr) XCloseDisplay(OwnConnection);
    OwnConnection = nullptr;
}

Display *connection()
{
    if (OwnConnection == nullptr && _xwin.display != nullptr) {
        OwnConnection = XOpenDisplay(DisplayString(_xwin.display));
        // Closed at exit: a display gone by then must not exit() from there.
        watchForLostConnection(OwnConnection);
        if (OwnConnection != nullptr) std::atexit(closeOwnConnection);
    }
    return OwnConnection;
}

// The window the window manager handles: the drawing window's parent,
// unless that is already the root.
Window topLevelWindow(Display *display)
{
    if (_xwin.window == 0) return 0;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, _xwin.window, &root, &parent, &children, &count) == 0) return 0;
    if (children != nullptr) XFree(children);
    return parent == root || parent == 0 ? _xwin.window : parent;
}

bool rootListsAtom(Display *display, Atom property, Atom wanted)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 4096, False, XA_ATOM, &type, &format,
                           &count, &after, &data) != Success ||
        data == nullptr)
        return false;
    bool found = false;
    const auto *atoms = reinterpret_cast<const Atom *>(data);
    for (unsigned long i = 0; i < count && format == 32; ++i) found = found || atoms[i] == wanted;
    XFree(data);
    return found;
}

}  // namespace

bool setWindowIconProperty(const std::vector<unsigned long> &icon)
{
    Display *display = connection();
    const Window window = display != nullptr ? topLevelWindow(display) : 0;
    if (window == 0 || icon.size() < 2) return false;
    // Format 32 data travels as longs, whatever their size.
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(icon.data()), static_cast<int>(icon.size()));
    XSync(display, False);
    return true;
}

bool hasOwnFullscreenMode()
{
    // Allegro's X11 fullscreen changes the video mode through XF86VidMode
    // and grabs the pointer and keyboard: a window the window manager
    // holds fullscreen leaves the desktop as it is.
    return false;
}

bool windowManagerDoesFullscreen()
{
    Display *display = connection();
    if (display == nullptr) return false;
    // A window manager that follows the desktop conventions says so on the
    // root window, and lists the states it knows.
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const bool runs = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                                         &format, &count, &after, &data) == Success &&
                      data != nullptr && count == 1;
    if (data != nullptr) XFree(data);
    return runs && rootListsAtom(display, XInternAtom(display, "_NET_SUPPORTED", False),
                                 XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
}

bool askForFullscreenState(bool fullscreen)
{
    Display *display = connection();
    const Window window = display != nullptr ? topLevelWindow(display) : 0;
    if (window == 0) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = fullscreen ? 1 : 0;  // _NET_WM_STATE_ADD or _REMOVE
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
    event.xclient.data.l[3] = 1;  // asked for by an application
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(display, False);
    return true;
}

void waitUntilWindowSettled(int milliseconds)
{
    Display *display = connection();
    const Window window = display != nullptr ? topLevelWindow(display) : 0;
    if (window == 0) return;
    const bool managed = windowManagerDoesFullscreen();
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    constexpr int STEP_MS = 10;
    for (int waited = 0; waited < milliseconds; waited += STEP_MS) {
        XWindowAttributes attributes{};
        bool settled = XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable;
        if (settled && managed) {
            Atom type = 0;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char *data = nullptr;
            settled = XGetWindowProperty(display, window, wmState, 0, 2, False, wmState, &type, &format, &count, &after,
                                         &data) == Success &&
                      count > 0;
            if (data != nullptr) XFree(data);
        }
        if (settled) return;
        const timespec step{0, STEP_MS * 1000000L};
        nanosleep(&step, nullptr);
    }
}

bool windowHasFocus()
{
    Display *display = connection();
    const Window window = display != nullptr ? topLevelWindow(display) : 0;
    if (window == 0) return false;
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    return focus == window || focus == _xwin.window || focus == PointerRoot;
}

bool moveWindowToDesktopCorner()
{
    Display *display = connection();
    const Window window = display != nullptr ? topLevelWindow(display) : 0;
    if (window == 0) return false;
    XMoveWindow(display, window, 0, 0);
    XSync(display, False);
    return true;
}

void takeInputAfterNewMode()
{
    // Allegro's X11 input thread reads its own connection throughout: no
    // mode takes the keyboard or mouse from it.
}
