#include "platform/window_identity.h"

#include <allegro.h>

#include "platform/linux/icon_property.h"
#include "platform/linux/xpm_pixels.h"

// Allegro's X11 names that its installed headers leave out.
extern "C" void xwin_set_window_name(const char *name, const char *group);
extern "C" void *allegro_icon;

// Made at build time by tools/make-icon from the pirate's art.
extern const char *const WINDOW_ICON_XPM[];

void nameWindowBeforeLibraryStarts()
{
    xwin_set_window_name(WINDOW_INSTANCE_NAME, WINDOW_CLASS_NAME);
    // Allegro only reads the data.
    allegro_icon = const_cast<char **>(WINDOW_ICON_XPM);  // NOLINT(cppcoreguidelines-pro-type-const-cast): read only
}

void finishWindowIdentity()
{
    set_window_title(WINDOW_TITLE);
    setWindowIconProperty(xpmToArgb(WINDOW_ICON_XPM));
}
