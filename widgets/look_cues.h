// Whether the look in force asks for the focus and disabled cues itself
// (a look made for keyboard users or for low vision does), whatever the
// program's setting.
#ifndef WIDGETS_LOOK_CUES_H
#define WIDGETS_LOOK_CUES_H

#include "sloopgui/theme.h"

// Non-zero when `look` wants the cues drawn.
int look_wants_cues(const Theme *look);

#endif
