#include "process/exit_on_failure.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>

void openWindowOrExit(int card, int width, int height)
{
    if (set_gfx_mode(card, width, height, 0, 0) != 0) {
        std::fprintf(stderr, "grog-sloop: cannot open a %dx%d window in %d-bit colour: %s\n", width, height,
                     get_color_depth(), allegro_error[0] != '\0' ? allegro_error : "unknown graphics failure");
        std::exit(1);
    }
}

BITMAP *createBitmapOrExit(int width, int height, const char *purpose)
{
    BITMAP *bitmap = create_bitmap(width, height);
    if (bitmap == nullptr) {
        std::fprintf(stderr, "grog-sloop: out of memory for the %dx%d %s\n", width, height, purpose);
        std::exit(1);
    }
    // A fresh bitmap holds whatever the allocator left there; the first
    // title screen is drawn onto this one without being cleared otherwise.
    clear_bitmap(bitmap);
    return bitmap;
}
