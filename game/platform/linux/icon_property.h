// The window's icon as the property desktops read (_NET_WM_ICON): Allegro
// itself only gives the old-style icon pixmap.
#pragma once

#include <vector>

// Sets _NET_WM_ICON on the game's window: width, height, then width *
// height pixels as 0xAARRGGBB. False when there is no window to set it on.
bool setWindowIconProperty(const std::vector<unsigned long> &icon);
