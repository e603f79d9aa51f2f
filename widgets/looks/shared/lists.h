// What the looks' lists and text boxes share: the rows, the scroll-bar
// arithmetic, the sunken well of "GTK" and "Win95", and the text box's text.
#ifndef WIDGETS_LOOKS_SHARED_LISTS_H
#define WIDGETS_LOOKS_SHARED_LISTS_H

#include <allegro.h>

// The rows of a list (d_list_proc / d_text_list_proc), shared by every drawn
// look: which items show, which are selected, each item's text cut to the
// row, and the empty rows below the last item. Also the scroll bar's thumb
// arithmetic, which several looks share.
//
// d: dp the getter, char *(*)(int index, int *list_size) (index -1 asks for
//    the count); dp2 optional per-item selection flags (one char each);
//    d1 the selected item; d2 the first visible item.
//
// The look supplies each row's colours, where rows end and how narrow the
// text must stay (with and without a scroll bar), the colour of empty rows,
// and draws its own frame and scroll bar afterwards.

typedef char *(*ListGetter)(int index, int *list_size);

struct ListStyle {
    // Text and background of the row showing `item`.
    void (*row_colours)(DIALOG *d, int item, int *fg, int *bg);
    int empty_colour;       // rows past the last item and the space below
    int right_inset_bar;    // rows end at x + w - inset with a scroll bar
    int right_inset_plain;  // ... and without one
    int limit_bar;          // text stays narrower than w - limit with a bar
    int limit_plain;        // ... and without one
};

struct ListLayout {
    int count;    // items in the list
    int visible;  // whole rows that fit: (h - 4) / th
    bool bar;     // a scroll bar is needed (not every item fits)
    int right;    // last column of the rows
};

// True when `item` is the selected one (d1) or marked in dp2.
bool list_item_selected(const DIALOG *d, int item);

// Item count from the getter (0 when the row has none).
int list_item_count(const DIALOG *d);

// Draws the rows from (x + 2, y + 2), text at x + 10; returns the layout so
// the look can draw its frame and scroll bar.
ListLayout list_draw_rows(DIALOG *d, const ListStyle &style);

// Scroll bar arithmetic, rounded to nearest: the thumb's length for
// `visible` of `total` rows, and its offset for the first visible row, over
// `travel` pixels of trough. A scroll bar is drawn only when some rows are
// hidden (scroll_bar_needed), so total is positive there; both answer 0
// otherwise rather than dividing by zero.
bool scroll_bar_needed(int total, int visible);
int scroll_thumb_length(int total, int visible, int travel);
int scroll_thumb_offset(int total, int offset, int travel);

// The two-pixel sunken well that "GTK" and "Win95" draw round their lists
// and text boxes: on the upper left a dark outer line over a black inner
// one, on the lower right a face-coloured inner line inside a light outer
// one. Each look draws its own scroll bar over the right side afterwards.

struct ListWellColours {
    int outer_dark;   // top and left edge
    int inner_dark;   // one pixel inside it
    int inner_light;  // bottom and right, one pixel inside the edge
    int outer_light;  // bottom and right edge
};

// Draws the well on screen round the w x h area at (x, y), corners inclusive.
void draw_list_well(int x, int y, int w, int h, const ListWellColours &colours);

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
