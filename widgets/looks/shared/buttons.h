// What the looks' buttons share: the push-button rule.
#ifndef WIDGETS_LOOKS_SHARED_BUTTONS_H
#define WIDGETS_LOOKS_SHARED_BUTTONS_H

#include "widgets/theme.h"

// The push-button rule every look shares: a push button is the look's own
// button with D_EXIT forced on, and pressing it never closes the dialog by
// itself; its dp3 callback (int (*)(DIALOG *)) decides, and its result bits
// are ORed into the answer (D_CLOSE closes).
//
// The look supplies its button procedure (which draws and tracks the press)
// and how the released button is shown again:
//   PUSH_REDRAW_NOW   redraw the row at once with the mouse pointer hidden
//                     over it (every drawn look), before the callback runs;
//   PUSH_REDRAW_LATER answer D_REDRAWME and let the dialog engine redraw it
//                     (the stock "Allegro" look).

enum PushRedraw { PUSH_REDRAW_NOW, PUSH_REDRAW_LATER };

// Type of a push button's dp3 callback.
typedef int (*PushCallback)(DIALOG *d);

int push_button_rule(int msg, DIALOG *d, int c, ThemeDialogProc button_proc, PushRedraw redraw);

#endif
