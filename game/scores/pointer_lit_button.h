// The name dialog's YARRR button. The keyboard focus stays in the name box
// whatever the pointer does, so the button can no longer light up by taking
// the focus when the pointer comes over it; it lights under the pointer on
// its own instead, drawn as the look draws a focused button.
#pragma once

#include <allegro.h>

// The look's push button (theme_push_proc), lit while the pointer is over
// it as well as while it has the focus.
int pointerLitButtonProc(int msg, DIALOG *row, int c);
