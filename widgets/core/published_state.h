// Writing the exported variables programs read: current_theme and
// theme_fg_color, theme_bg_color, theme_mg_color.
#ifndef WIDGETS_CORE_PUBLISHED_STATE_H
#define WIDGETS_CORE_PUBLISHED_STATE_H

#include "sloopgui/theme.h"

void publish_current_theme(Theme *theme);
void publish_theme_colours(int fg, int bg, int mg);

#endif
