// Drawing a row within its own rectangle.
#ifndef WIDGETS_CORE_ROW_CLIP_H
#define WIDGETS_CORE_ROW_CLIP_H

#include <allegro.h>

#include "sloopgui/theme.h"

// How a widget's drawing relates to its row.
enum RowExtent {
    ROW_BOUNDED,    // everything it draws lies in (x, y, w, h); no size, nothing drawn
    ROW_COLUMNS,    // the edit field: its height follows the font, its width is the row's;
                    // seen moved by (3, 3) while shifted_edit_proc runs
    ROW_UNBOUNDED,  // sizes itself (menu bars) or is the whole screen (clear)
    ROW_LABEL       // laid out by its text, as Allegro's d_text_proc lays it out;
                    // a cue, when wanted, goes over its row (if it has a size)
};

// Hands MSG_DRAW to `proc` with the GUI bitmap's clipping narrowed to the
// row, so no look (nor Allegro's own procedure) draws past it; the
// program's clipping is put back afterwards. A row reaching far past the
// bitmap is drawn as the part of it near what can be seen, so drawing
// takes as long as the visible part needs, not the row's full size.
int draw_within_row(ThemeDialogProc proc, RowExtent extent, DIALOG *d, int c);

// An edit field's row as the dialog engine handed it over with a message.
// While the field handles the message its look moves the row (and "ASE"
// narrows it) for Allegro's editing logic, which redraws the field after
// each key; that redraw is kept within the row the program gave, not the
// altered one.
class RowInMessage {
public:
    explicit RowInMessage(const DIALOG *d);
    ~RowInMessage();
    RowInMessage(const RowInMessage &) = delete;
    RowInMessage &operator=(const RowInMessage &) = delete;

    // The innermost message's record of `d`, or null.
    static const RowInMessage *of(const DIALOG *d);
    int x, y, w, h;

private:
    const DIALOG *row_;
    const RowInMessage *outer_;
};

#endif
