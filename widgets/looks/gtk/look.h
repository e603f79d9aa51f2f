// The "GTK" look's palette, images and drawing primitives, shared by its
// procedure files. Everything here is valid between gtk_init and
// gtk_shutdown (the colours are makecol values of the screen's depth).
#ifndef WIDGETS_LOOKS_GTK_LOOK_H
#define WIDGETS_LOOKS_GTK_LOOK_H

#include "widgets/looks/building_blocks.h"

extern int gtk_white;         // highlights, field and list background
extern int gtk_prelight;      // focused button face, lit rows, menu highlight
extern int gtk_face;          // normal face; the look's background colour
extern int gtk_pressed;       // pressed face, scroll trough
extern int gtk_shadow_light;  // prelight inner shadow; disabled edit text
extern int gtk_shadow;        // raised inner shadow; disabled text
extern int gtk_black;         // outer shadow, outlines, text
extern int gtk_select;        // selected list rows

// Metrics, from the parameters at init: the check box's side (the radio
// button is one more), grown with the font; the scroll bar's width; the
// bevel's width (its outer edge and the shadow lines inside it); the space
// left of check boxes and radio buttons (their labels follow 5 pixels on).
extern int gtk_check_size;
extern int gtk_scrollbar_width;
extern int gtk_bevel_width;
extern int gtk_check_padding;

// The parameters, in the order of GTK_PARAMS.
enum GtkParam {
    GTK_P_WHITE,
    GTK_P_PRELIGHT,
    GTK_P_FACE,
    GTK_P_PRESSED,
    GTK_P_SHADOW_LIGHT,
    GTK_P_SHADOW,
    GTK_P_BLACK,
    GTK_P_SELECT,
    GTK_P_CHECK_SIZE,
    GTK_P_SCROLLBAR_WIDTH,
    GTK_P_BEVEL_WIDTH,
    GTK_P_CHECK_PADDING,
    GTK_PARAM_COUNT
};
extern const LookParamDef GTK_PARAMS[GTK_PARAM_COUNT];
// Reads the palette and the metrics above from the parameters (params.cpp).
void gtk_read_params(void);

extern BITMAP *gtk_radio_raised;   // 11 x 11
extern BITMAP *gtk_radio_sunken;   // 11 x 11
extern BITMAP *gtk_submenu_arrow;  // 8 x 7
// Builds and frees the images above (art.cpp).
void gtk_build_bitmaps(void);
void gtk_destroy_bitmaps(void);

// Bevel and box kinds.
enum GtkKind { GTK_RAISED = 0, GTK_PRELIGHT = 1, GTK_PRESSED = 2, GTK_FIELD = 3 };

void gtk_bevel(int x, int y, int w, int h, int kind);
void gtk_box(int x, int y, int w, int h, int kind, int frame);
void gtk_focus_fill(DIALOG *d);
void gtk_list_frame(DIALOG *d, int total, int offset, int visible);

// The button state as drawn throughout the look: pressed, else lit when
// focused, else raised; a focused button also gets the black frame.
int gtk_state_kind(const DIALOG *d);
int gtk_state_frame(const DIALOG *d);

void gtk_draw_menu(int x, int y, int w, int h);
void gtk_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel);

int gtk_box_proc(int msg, DIALOG *d, int c);
int gtk_shadow_box_proc(int msg, DIALOG *d, int c);
int gtk_button_proc(int msg, DIALOG *d, int c);
int gtk_push_proc(int msg, DIALOG *d, int c);
int gtk_check_proc(int msg, DIALOG *d, int c);
int gtk_radio_proc(int msg, DIALOG *d, int c);
int gtk_icon_proc(int msg, DIALOG *d, int c);
int gtk_edit_proc(int msg, DIALOG *d, int c);
int gtk_list_proc(int msg, DIALOG *d, int c);
int gtk_text_list_proc(int msg, DIALOG *d, int c);
int gtk_textbox_proc(int msg, DIALOG *d, int c);
int gtk_slider_proc(int msg, DIALOG *d, int c);
int gtk_window_proc(int msg, DIALOG *d, int c);
int gtk_clear_proc(int msg, DIALOG *d, int c);

#endif
