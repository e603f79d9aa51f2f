// Drawing a row within its own rectangle.
#ifndef WIDGETS_ROW_CLIP_H
#define WIDGETS_ROW_CLIP_H

#include <allegro.h>

#include "sloopgui/theme.h"

// How a widget's drawing relates to its row.
enum RowExtent {
    ROW_BOUNDED,   // everything it draws lies in (x, y, w, h); no size, nothing drawn
    ROW_COLUMNS,   // the edit field: its height follows the font, its width is the row's;
                   // seen moved by (3, 3) while shifted_edit_proc runs
    ROW_UNBOUNDED  // sizes itself (labels, menu bars) or is the whole screen (clear)
};

// Hands MSG_DRAW to `proc` with the GUI bitmap's clipping narrowed to the
// row, so no look (nor Allegro's own procedure) draws past it; the
// program's clipping is put back afterwards.
int draw_within_row(ThemeDialogProc proc, RowExtent extent, DIALOG *d, int c);

#endif
