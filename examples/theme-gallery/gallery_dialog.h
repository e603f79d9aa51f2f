// The gallery dialog: one of every widget of the layer, in every state a
// look draws differently, built from the layer's forwarders so it is drawn
// in whichever look is current. Shared by the theme-gallery program and the
// widget benchmark.
#ifndef GALLERY_DIALOG_H
#define GALLERY_DIALOG_H

#include <allegro.h>

// Rows worth addressing by name; the rest are described in gallery_dialog.cpp.
enum GalleryRow {
    GALLERY_ROW_CLEAR = 0,
    GALLERY_ROW_WINDOW = 1,
    GALLERY_ROW_MENU = 2,
};

// The dialog rows, built on first use (after the colour depth is set: the
// icon is made from character art). Terminated by a row with a null proc.
DIALOG *gallery_dialog(void);

// The row of the edit field, which takes the focus in the live gallery.
int gallery_edit_row(void);

// Shows `name` in the window's title and ticks it in the Look menu.
void gallery_show_look_name(const char *name);

// Sends MSG_START / MSG_END to every row, as do_dialog does around a run.
void gallery_start(DIALOG *rows);
void gallery_end(DIALOG *rows);

// Draws every row once, in order, as the dialog engine's full redraw does.
void gallery_draw(DIALOG *rows);

// Draws the gallery's Gallery menu opened below the menu bar, through the
// current look's menu hooks (nothing when the look has none), so a still
// picture shows the look's pop-up items too.
void gallery_draw_open_menu(void);

// Frees what gallery_dialog built.
void gallery_release(void);

#endif
