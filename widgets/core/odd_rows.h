// Rows that Allegro's own procedures (and so the looks that hand widgets to
// them) cannot take: a slider without a range divides by zero and one with
// a range of billions steps through every value at a key, a list without
// its getter or a label, icon or edit field without its dp reads through
// null, a text box narrower than one character loops for ever. Each guard hands the look a row it can take
// and keeps what the widget changed in the program's row.
#ifndef WIDGETS_CORE_ODD_ROWS_H
#define WIDGETS_CORE_ODD_ROWS_H

#include <allegro.h>

#include "sloopgui/theme.h"

// Calls `proc` as the forwarder would: MSG_DRAW within the row, the rest as is.
typedef int (*RowCall)(ThemeDialogProc proc, int msg, DIALOG *d, int c);

// d1 the maximum, d2 the value: drawn with d1 at least 1 and d2 within
// 0..d1; a slider without a range takes no keys or clicks; one whose range
// is finer than Allegro's arithmetic can follow is drawn and moved in steps
// of a pixel.
int slider_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c);

// dp the label (the bitmap for an icon): a null one reaching Allegro's own
// button, check box, radio button, push button or icon is an empty label.
int label_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c);

// dp the text buffer, d1 its length limit: a null one is an empty field
// that takes no characters.
int edit_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c);

// dp the item getter: a null one is a list without items.
int list_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c);

// dp the text: a null text, or a row too narrow for its widest character,
// is shown as an empty text box.
int textbox_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c);

#endif
