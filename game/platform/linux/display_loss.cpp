// The Linux side of platform/display_loss.h. Xlib's default answer to a
// broken connection is exit() from inside whichever call met it, on
// whichever thread, with Allegro's locks held there: the library's exit
// handler then waits for those locks for ever. The game instead lets Xlib
// mark the connection dead, after which every later call on it returns at
// once.
#include "platform/display_loss.h"

#include <allegro.h>
// After allegro.h: the one place the game looks at the library's X
// connection (its first member, _xwin.display).
#include <xalleg.h>

#include <unistd.h>

#include "platform/linux/x_connection_loss.h"
#include "platform/shut_down_watchdog.h"
#include "process/end_request.h"

namespace {

// Xlib calls this first, on the thread that met the broken connection,
// with its own lock released.
int onDisplayLost(Display *)
{
    if (DisplayLost == 0) {
        DisplayLost = 1;
        static const char message[] = "grog-sloop: the X display is gone; ending\n";
        const ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
        (void)written;
    }
    armShutDownWatchdog();
    return 0;
}

// Then this, in place of Xlib's exit(1). Returning leaves the connection
// marked as broken, which every later call on it heeds. Xlib took the
// display's user lock for this thread first, expecting the exit to keep
// everyone else out; any other thread's next call would wait for it for
// ever (Allegro's input thread and the game's drawing each hold a lock the
// other wants meanwhile), so it is given back.
void keepRunningWithoutDisplay(Display *display, void *)
{
    XUnlockDisplay(display);
}

}  // namespace

void watchForLostDisplay()
{
    watchForLostConnection(_xwin.display);
}

void watchForLostConnection(Display *display)
{
    if (display == nullptr) return;
    XSetIOErrorHandler(onDisplayLost);
    XSetIOErrorExitHandler(display, keepRunningWithoutDisplay, nullptr);
}
