#include "display/scaled_dialog.h"

#include <allegro.h>

#include <chrono>

#include "display/desktop_keys.h"
#include "display/window_canvas.h"

namespace {

double secondsNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int runScaledDialog(DIALOG *dialog, int focusObject)
{
    DIALOG_PLAYER *player = init_dialog(dialog, focusObject);
    // The picture goes out at most 60 times a second; the dialog engine
    // itself loops far more often.
    constexpr double FRAME_SECONDS = 1.0 / 60;
    double lastShown = 0;
    bool allegroPointer = false;  // Allegro draws the pointer into the window
    while (update_dialog(player)) {
        serviceDesktopKeys();
        const bool straight = drawnStraightIntoWindow();
        if (straight != allegroPointer) {
            // Straight into the window, Allegro draws the pointer, as in do_dialog.
            show_mouse(straight ? screen : nullptr);
            allegroPointer = straight;
        }
        if (straight) continue;
        const double now = secondsNow();
        if (now - lastShown >= FRAME_SECONDS) {
            presentWithPointer();
            lastShown = now;
        }
        rest(1);
    }
    const int closedBy = shutdown_dialog(player);
    if (allegroPointer) show_mouse(nullptr);
    presentScreen();
    return closedBy;
}
