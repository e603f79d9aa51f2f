// The "Win95" look: a grey desktop with two-pixel bevels, sunken white
// fields and lists, a blue title bar, blue highlights, dotted focus
// rectangles and a caret that blinks every 500 ms.
#ifndef WIDGETS_LOOKS_WIN95_LOOK_H
#define WIDGETS_LOOKS_WIN95_LOOK_H

#include <allegro.h>

#include "widgets/looks/building_blocks.h"

// The parameters, one per palette colour below, then the metrics, in this
// order.
enum Win95Param {
    W95_P_WHITE,
    W95_P_LIGHT,
    W95_P_FACE,
    W95_P_SHADOW,
    W95_P_BLACK,
    W95_P_GREY165,
    W95_P_GREY149,
    W95_P_SELECT,
    W95_P_CHECK_SIZE,
    W95_P_SCROLLBAR_WIDTH,
    W95_P_BEVEL_WIDTH,
    W95_P_CHECK_PADDING,
    W95_P_FIELD_PADDING,
    WIN95_PARAM_COUNT
};
extern const LookParamDef WIN95_PARAMS[WIN95_PARAM_COUNT];

// Palette, filled by init in the screen's colour depth.
extern int w95_white;
extern int w95_light;
extern int w95_face;
extern int w95_shadow;
extern int w95_black;
extern int w95_grey165;
extern int w95_grey149;
extern int w95_select;

// The check box's side (the radio button is one less), from its parameter
// grown with the font.
extern int w95_check_size;
// The scroll bar's width, from its parameter.
extern int w95_scrollbar_width;
// The button bevel's width (outer ring and inner rings), from its parameter.
extern int w95_bevel_width;
// The space left of a check box's sunken field, from its parameter; the
// radio button, the check mark and the label move with it.
extern int w95_check_padding;
// The white space between an edit field's sunken frame and its text, from
// its parameter: above and left of the text, right of it, and below it for
// whatever exceeds the stock two pixels.
extern int w95_field_padding;

// Small images built from character art at init; null before init, after
// shutdown, or when create_bitmap failed (the drawing then leaves them out).
extern BITMAP *w95_radio_off;
extern BITMAP *w95_radio_on;
extern BITMAP *w95_radio_pressed;
extern BITMAP *w95_check_mark;
extern BITMAP *w95_submenu_arrow;

// Computes the palette; builds and frees the images.
void w95_make_palette(void);
void w95_build_bitmaps(void);
void w95_free_bitmaps(void);

// Caret blink: toggled between 0 and 1 by a 500 ms timer while the look is
// current. The edit field remembers the last value it saw.
extern volatile int w95_blink;
extern int w95_blink_seen;
void w95_blink_tick(void);

// Drawing primitives, on screen, corners inclusive.
void w95_button_bevel(int x, int y, int w, int h, int pressed);
void w95_field(int x, int y, int w, int h);
void w95_flat(int x, int y, int w, int h, int kind);
void w95_dotted_rect(int x1, int y1, int x2, int y2);
void w95_text_clipped(int x, int y, int w, const char *text, int fg, int bg);
void w95_list_frame(DIALOG *d, int total, int offset, int visible);

// The look's dialog procedures.
int w95_box_proc(int msg, DIALOG *d, int c);
int w95_button_proc(int msg, DIALOG *d, int c);
int w95_push_proc(int msg, DIALOG *d, int c);
int w95_check_proc(int msg, DIALOG *d, int c);
int w95_radio_proc(int msg, DIALOG *d, int c);
int w95_icon_proc(int msg, DIALOG *d, int c);
int w95_edit_proc(int msg, DIALOG *d, int c);
int w95_list_proc(int msg, DIALOG *d, int c);
int w95_text_list_proc(int msg, DIALOG *d, int c);
int w95_textbox_proc(int msg, DIALOG *d, int c);
int w95_slider_proc(int msg, DIALOG *d, int c);
int w95_window_proc(int msg, DIALOG *d, int c);
int w95_clear_proc(int msg, DIALOG *d, int c);

// Menu hooks installed at init.
void w95_draw_menu(int x, int y, int w, int h);
void w95_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel);

#endif
