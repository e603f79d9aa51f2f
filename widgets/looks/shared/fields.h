// What the looks' edit fields share: the visible span of the text and its
// characters and caret.
#ifndef WIDGETS_LOOKS_SHARED_FIELDS_H
#define WIDGETS_LOOKS_SHARED_FIELDS_H

#include <allegro.h>

// The edit field's text, shared by every drawn look: which part of the text
// is visible (measured backwards from the caret so the caret always shows),
// and the characters drawn one by one from 4 pixels in, with the caret as a
// one-pixel line just left of the caret's character.
//
// The look supplies the colours, whether the caret shows now (focus, blink),
// how far down the caret reaches, and draws its own frame; it calls these
// between edit_draw_unshift and edit_draw_reshift so the row is at its true
// position.

// Character positions first..last (inclusive; last may be the terminator,
// drawn as a blank cell that the caret can sit before).
struct EditSpan {
    int first;
    int last;
};

// Measures from the caret d2 backwards (d: dp text, d2 caret, w width),
// for text drawn `inset` pixels in from either side. A caret past the end
// of the text is pulled back to the end and stored in d2. A null dp counts
// as an empty text.
EditSpan edit_visible_span(DIALOG *d, int inset = 4);

// The character at position p of `s` as a one-character string in buf (16
// bytes), in Allegro's current encoding; the terminator becomes a blank
// when `blank_end`. Returns its pixel width in `font`.
int edit_char_cell(const char *s, int p, bool blank_end, char *buf);

struct EditTextStyle {
    int fg;           // text colour
    int bg;           // cell background; -1 draws the text transparent
    bool show_caret;  // caret drawn at d2 (the look decides: focus, blink)
    int caret_colour;
    int caret_bottom;  // caret runs from y + inset - 1 to y + caret_bottom
    int inset = 4;     // the text's distance from the row's left and top
};

// Draws the span at (x + inset, y + inset) onwards, stopping before the
// field's right edge (w - inset); the text itself is never changed.
void edit_draw_chars(DIALOG *d, EditSpan span, const EditTextStyle &style);

#endif
