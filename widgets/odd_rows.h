// Rows that Allegro's own procedures (and so the looks that hand widgets to
// them) cannot take: a slider without a range divides by zero, a list
// without its getter calls through null, a text box narrower than one
// character loops for ever. Each guard hands the look a row it can take
// and keeps what the widget changed in the program's row.
#ifndef WIDGETS_ODD_ROWS_H
#define WIDGETS_ODD_ROWS_H

#include <allegro.h>

#include "sloopgui/theme.h"

// Calls `proc` as the forwarder would: MSG_DRAW within the row, the rest as is.
typedef int (*RowCall)(ThemeDialogProc proc, int msg, DIALOG *d, int c);

// d1 the maximum, d2 the value: drawn with d1 at least 1 and d2 within
// 0..d1; a slider without a range takes no keys or clicks.
int slider_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c);

// dp the item getter: a null one is a list without items.
int list_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c);

// dp the text: a null text, or a row too narrow for its widest character,
// is shown as an empty text box.
int textbox_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c);

#endif
