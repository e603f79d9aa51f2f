#include "platform/window_identity.h"

#include <allegro.h>

// Windows names the window by its title alone, and Allegro takes the
// window's icon from the program's resource "allegro_icon" (game.rc, the
// pirate's art), so nothing is needed before the library starts.
void nameWindowBeforeLibraryStarts() {}

void finishWindowIdentity()
{
    set_window_title(WINDOW_TITLE);
}
