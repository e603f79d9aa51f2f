// The "BeOS" look: light grey, dark outlines with softened corners, a yellow
// face on the widget holding the input focus, a window frame with a yellow
// title tab, and a text caret that blinks on a 500 ms timer of its own.
//
// Every widget is drawn by one routine, beos_draw_widget, from a kind and a
// rectangle. The slot procedures are thin: they answer MSG_DRAW through it
// (the edit field, lists, text box and menus also draw their content) and
// hand every other message to Allegro's stock procedure for that widget.
#ifndef WIDGETS_LOOKS_BEOS_LOOK_H
#define WIDGETS_LOOKS_BEOS_LOOK_H

#include <allegro.h>

#include "widgets/looks/building_blocks.h"

// What beos_draw_widget draws. Values are fixed: callers may pass plain ints.
enum BeosKind {
    BEOS_BUTTON = 0,
    BEOS_CHECK = 1,
    BEOS_RADIO = 2,
    BEOS_LIST = 3,
    BEOS_SCROLL_THUMB = 4,
    BEOS_SCROLL_TROUGH = 5,
    BEOS_SLIDER = 6,
    BEOS_MENU = 7,
    BEOS_EDIT = 8,
    BEOS_MENU_BAR = 9,
    BEOS_WINDOW = 10
};

// The scroll position handed to the list and slider kinds: for a list the
// item count, the rows shown and the first row shown; for a slider its
// maximum, 1, and its value.
struct ScrollInfo {
    int total;
    int visible;
    int offset;
};

// Draws one kind into the rectangle (x, y, w, h) of `bmp`. `flags` are the
// row's dialog flags. `extra` is the label (const char *) for the button,
// check, radio and window kinds, a const ScrollInfo * for the list and
// slider kinds, unused otherwise; null means no label / no bar or knob.
// Kinds outside 0..10 draw nothing.
void beos_draw_widget(BITMAP *bmp, int x, int y, int w, int h, int flags, int kind, const void *extra);

// The button kind's face with its label, and the check and radio kinds'
// image (chosen from `images` by state) with its label (buttons.cpp).
void beos_draw_button(BITMAP *bmp, int x, int y, int w, int h, int flags, const char *label);
void beos_draw_toggle(BITMAP *bmp, int x, int y, int w, int h, int flags, const char *label, BITMAP *const images[6]);

// --- Images -----------------------------------------------------------------

// A template is 13 rows of 13 characters, each row NUL-terminated, so that
// row r, column c is byte r * 14 + c. A colour key is a run of ArtKey
// entries ended by one whose character is 0.
enum { BEOS_ART_SIZE = 13, BEOS_ART_STRIDE = 14 };
typedef char BeosTemplate[BEOS_ART_SIZE][BEOS_ART_STRIDE];

extern const BeosTemplate BOX_TEMPLATE;
extern const BeosTemplate CROSS_TEMPLATE;
extern const BeosTemplate BOX_FOCUS_TEMPLATE;
extern const BeosTemplate CIRCLE_TEMPLATE;
extern const BeosTemplate DOT_TEMPLATE;
extern const BeosTemplate CIRCLE_FOCUS_TEMPLATE;
extern const BeosTemplate KNOB_TEMPLATE;
extern const BeosTemplate ARROW_TEMPLATE;

extern const ArtKey *const KEY_NORMAL;
extern const ArtKey *const KEY_FOCUS;
extern const ArtKey *const KEY_DISABLED;

// Paints `tpl` into the top-left 13 x 13 pixels of `bitmap` (less if the
// bitmap is smaller); characters the key lacks leave their pixel alone.
void paint_template(BITMAP *bitmap, const char *tpl, const ArtKey *key);

// Built at init, destroyed at shutdown; any entry may be null if it could
// not be created, and is then simply not drawn.
//   check/radio: 0 plain, 1 ticked, 2 focus, 3 focus+ticked,
//                4 disabled, 5 disabled+ticked
//   knob: 0 normal, 1 focus;  arrow: 0 item not selected, 1 selected
extern BITMAP *beos_check_bitmaps[6];
extern BITMAP *beos_radio_bitmaps[6];
extern BITMAP *beos_knob_bitmaps[2];
extern BITMAP *beos_arrow_bitmaps[2];
void beos_build_bitmaps(void);
void beos_destroy_bitmaps(void);

// --- Colours ------------------------------------------------------------------

// The "BeOS" look's colours in the current colour depth. Each widget kind
// reads a small colour set chosen by the row's state; the sets are indexed
// from 0 and a kind reads only some of the entries.

// Button sets, in order of precedence of the state that picks them.
enum BeosButtonSet {
    BEOS_SET_NORMAL,
    BEOS_SET_FOCUS,
    BEOS_SET_DISABLED,
    BEOS_SET_PRESSED,
    BEOS_SET_PRESSED_DISABLED,
    BEOS_BUTTON_SET_COUNT
};

// Scroll-bar sets (the focus set is used by the thumb only).
enum BeosScrollSet { BEOS_SCROLL_NORMAL, BEOS_SCROLL_FOCUS, BEOS_SCROLL_DISABLED, BEOS_SCROLL_SET_COUNT };

// Two-state sets: lists and edit frames (normal/focus), sliders (normal/disabled).
enum { BEOS_STATE_PLAIN = 0, BEOS_STATE_MARKED = 1 };

struct BeosPalette {
    // The record's colour cells.
    int fg;  // text
    int bg;  // face
    int mg;  // disabled text

    int button[BEOS_BUTTON_SET_COUNT][5];
    int button_label[BEOS_BUTTON_SET_COUNT];
    int list[2][3];  // [normal, focus]
    int scroll[BEOS_SCROLL_SET_COUNT][4];
    int slider[2][5];  // [normal, disabled]
    int edit[2][5];    // [normal, focus]

    int outline;
    int button_corner;
    int check_background;
    int white;
    int list_selected;

    int menu_outline;
    int menu_bar_outline;
    int menu_light;
    int menu_face;
    int menu_shadow;
    int menu_selected;
    int menu_separator;  // upper line of a separator; the lower one is menu_light

    int tab_outline;
    int frame_dark;
    int tab_light;
    int tab_shadow;
    int tab_face;
    int body_light;
    int body_face;
    int body_shadow;
};

// Valid between beos_make_colours (run by the look's init) and shutdown.
extern BeosPalette beos_colours;
// The check box's and radio button's side, grown with the font.
extern int beos_check_size;
// The light and the shadow lines inside a button's outline, in pixels (the
// font leaves it alone).
extern int beos_bevel_width;
void beos_make_colours(void);

// --- Theme state ------------------------------------------------------------

// Caret blink: flipped by the timer, read by the edit field.
extern volatile int beos_blink;
extern int beos_blink_seen;
void beos_blink_tick(void);

// The open menu's rectangle, and whether its frame is still to be drawn.
extern DeferredMenuFrame beos_menu_frame;

// --- The record's entries -----------------------------------------------------

void beos_init(void);
void beos_shutdown(void);

int beos_box_proc(int msg, DIALOG *d, int c);
int beos_shadow_box_proc(int msg, DIALOG *d, int c);
int beos_button_proc(int msg, DIALOG *d, int c);
int beos_push_proc(int msg, DIALOG *d, int c);
int beos_check_proc(int msg, DIALOG *d, int c);
int beos_radio_proc(int msg, DIALOG *d, int c);
int beos_icon_proc(int msg, DIALOG *d, int c);
int beos_edit_proc(int msg, DIALOG *d, int c);
int beos_list_proc(int msg, DIALOG *d, int c);
int beos_text_list_proc(int msg, DIALOG *d, int c);
int beos_textbox_proc(int msg, DIALOG *d, int c);
int beos_slider_proc(int msg, DIALOG *d, int c);
int beos_window_proc(int msg, DIALOG *d, int c);
int beos_clear_proc(int msg, DIALOG *d, int c);

void beos_draw_menu(int x, int y, int w, int h);
void beos_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel);

#endif
