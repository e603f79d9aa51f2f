// The looks the gallery can show: every registered look in registry order
// (the built-in ones, then the program's own), so a new look appears in the
// gallery as soon as it is registered.
#ifndef GALLERY_LOOKS_H
#define GALLERY_LOOKS_H

#include "widgets/theme.h"

enum { GALLERY_MAX_LOOKS = SLOOPGUI_REGISTRY_CAPACITY };

struct GalleryLooks {
    Theme *looks[GALLERY_MAX_LOOKS];
    int count;
};

// Every registered look, in search order.
GalleryLooks registered_looks(void);

// Allegro's own GUI colours start as 8-bit palette indices; in 16-bit colour
// they must be real colours (black on white, grey) before the stock look
// publishes them. Call after the colour depth is set.
void gallery_default_gui_colours(void);

// Makes `theme` current (ending the one before) and hands its published
// colours to Allegro's own dialogs, as an application does.
void gallery_use_look(Theme *theme);

#endif
