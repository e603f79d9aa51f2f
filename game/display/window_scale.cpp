#include "display/window_scale.h"

#include <allegro.h>

#include <cstdio>

#include "display/screen_size.h"

int RequestedWindowScale = 1;
int WindowScale = 1;

namespace {

// The largest scale that fits the desktop the game runs on, or
// `whenSizeUnknown` when its size cannot be had.
int scaleFittingDesktopOr(int whenSizeUnknown)
{
    int width = 0, height = 0;
    if (get_desktop_resolution(&width, &height) != 0) return whenSizeUnknown;
    return largestFittingScale(width, height);
}

}  // namespace

int largestFittingScale(int desktopWidth, int desktopHeight)
{
    int scale = MAX_WINDOW_SCALE;
    while (scale > MIN_WINDOW_SCALE &&
           (SCREEN_WIDTH * scale > desktopWidth || SCREEN_HEIGHT * scale > desktopHeight - DESKTOP_HEIGHT_RESERVED))
        --scale;
    return scale;
}

int scaleFittingDesktop()
{
    return scaleFittingDesktopOr(MIN_WINDOW_SCALE);
}

int largestOfferedScale()
{
    return scaleFittingDesktopOr(MAX_WINDOW_SCALE);
}

int scaleToOpen(int requested)
{
    if (requested == SCALE_TO_DESKTOP) return scaleFittingDesktop();
    int width = 0, height = 0;
    if (get_desktop_resolution(&width, &height) != 0) return requested;
    const int fitting = largestFittingScale(width, height);
    if (requested <= fitting) return requested;
    std::fprintf(stderr,
                 "grog-sloop: a scale %d window (%dx%d) does not fit the %dx%d desktop; opening scale %d (%dx%d)\n",
                 requested, SCREEN_WIDTH * requested, SCREEN_HEIGHT * requested, width, height, fitting,
                 SCREEN_WIDTH * fitting, SCREEN_HEIGHT * fitting);
    return fitting;
}
