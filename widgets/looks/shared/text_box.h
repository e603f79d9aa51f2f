// The text of a text box (d_textbox_proc), shared by every drawn look: the
// lines are counted first, the scroll bar's room is kept only when not all
// lines fit (a text that fits is always shown from its first line), then
// the text is drawn by Allegro's own text-box routine.
//
// d: dp the text; d1 the line count (written here); d2 the first visible
//    line; D_SELECTED turns word wrapping off; D_DISABLED greys the text.
//
// The look supplies the colours and the bar widths, and draws its frame
// (with the returned visible count) afterwards.
#ifndef WIDGETS_TEXT_BOX_H
#define WIDGETS_TEXT_BOX_H

#include <allegro.h>

struct TextBoxStyle {
    int fg;             // text colour
    int bg;             // background
    int disabled;       // colour of disabled text
    int bar_when_fits;  // width kept free on the right when every line fits
    int bar_when_scrolls;
};

// Draws the text and returns how many lines fit: (h - 8) / th.
int textbox_draw_text(DIALOG *d, const TextBoxStyle &style);

#endif
