// Focus and disabled cues drawn over a widget whose look shows neither: a
// dotted outline inside a focused row, a checkerboard of the look's face
// colour over a disabled one. Off unless the program (set_theme_cues) or the
// look in force asks for them.
#ifndef WIDGETS_CORE_THEME_CUES_H
#define WIDGETS_CORE_THEME_CUES_H

#include <allegro.h>

#include "sloopgui/theme.h"

// The one place that decides whether cues are drawn now.
bool theme_cues_wanted(void);

// After `proc` drew the row `d` (left, top: where the row really is, which
// an edit field's shifted logic may hide): adds each cue the row's flags
// call for that the look did not draw itself.
void draw_missing_cues(ThemeDialogProc proc, DIALOG *d, int c, int left, int top);

// Forgets which widgets the last look was seen cueing itself.
void forget_seen_cues(void);

#endif
