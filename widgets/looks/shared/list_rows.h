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
#ifndef WIDGETS_LIST_ROWS_H
#define WIDGETS_LIST_ROWS_H

#include <allegro.h>

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

#endif
