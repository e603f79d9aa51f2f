// The "GTK" look's list, text list and text box, and the sunken frame with
// its scroll bar that they share.
#include "widgets/looks/gtk/look.h"

static void gtk_row_colours(DIALOG *d, int item, int *fg, int *bg)
{
    // Selected rows stay white on blue even in a disabled list.
    if (list_item_selected(d, item)) {
        *fg = gtk_white;
        *bg = gtk_select;
    } else {
        *fg = gtk_black;
        *bg = gtk_white;
    }
}

static int gtk_draw_list(DIALOG *d)
{
    // Rows end a pixel short of the scroll bar's trough; text stays 9
    // pixels clear of it.
    const int bar = gtk_scrollbar_width;
    const ListStyle style = {gtk_row_colours, gtk_white, bar + 2, 3, bar + 11, 11};
    const ListLayout layout = list_draw_rows(d, style);
    gtk_list_frame(d, layout.count, d->d2, layout.visible);
    return D_O_K;
}

// d: dp the getter char *(*)(int index, int *size), dp2 optional per-item
// selection flags, d1 the selected item, d2 the first item shown.
int gtk_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_list_proc(msg, d, c);
    return gtk_draw_list(d);
}

// d: as for gtk_list_proc; typing selects by first letters (Allegro's).
int gtk_text_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_text_list_proc(msg, d, c);
    return gtk_draw_list(d);
}

// d: dp the text, d1 the line count (written by drawing), d2 the first line
// shown; D_SELECTED turns word wrap off, D_DISABLED greys the text.
int gtk_textbox_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_textbox_proc(msg, d, c);
    const int fg = (d->flags & D_DISABLED) ? gtk_shadow : gtk_black;
    const int visible = textbox_draw_text(d, TextBoxStyle{fg, gtk_white, gtk_shadow, 0, gtk_scrollbar_width - 1});
    gtk_list_frame(d, d->d1, d->d2, visible);
    return D_O_K;
}

void gtk_list_frame(DIALOG *d, int total, int offset, int visible)
{
    const int x = d->x, y = d->y, w = d->w, h = d->h;
    draw_list_well(x, y, w, h, ListWellColours{gtk_shadow, gtk_black, gtk_face, gtk_white});

    if (!scroll_bar_needed(total, visible)) return;
    int kind = GTK_RAISED;
    if (d->flags & D_GOTFOCUS)
        kind = GTK_PRELIGHT;
    else if (d->flags & D_SELECTED)
        kind = GTK_PRESSED;
    // The trough, bar pixels wide, ends a pixel in from the frame's right
    // edge; the thumb sits 2 pixels inside it.
    const int bar = gtk_scrollbar_width;
    gtk_box(x + w - bar - 1, y, bar, h - 1, GTK_PRESSED, 0);
    int len = scroll_thumb_length(total, visible, h - 5);
    const int ty = y + 2 + scroll_thumb_offset(total, offset, h - 5);
    if (offset > 0) rectfill(gui_get_screen(), x + w - bar + 1, y + 2, x + w - 3, ty, gtk_pressed);
    if (ty + len >= y + h - 3) len = y + h - 3 - ty;
    gtk_box(x + w - bar + 1, ty, bar - 4, len, kind, 0);
}
