// Reading the XPM data the build makes for the window's icon back into
// pixels, for the icon property that desktops read.
#pragma once

#include <vector>

// Width, height, then width * height pixels as 0xAARRGGBB, row by row, from
// XPM data whose colours are "#rrggbb" or "None" (transparent). Empty when
// the data is not of that kind.
std::vector<unsigned long> xpmToArgb(const char *const *xpm);
