// The "Photon" look: mid grey with etched frames (a dark inner outline inside
// a lighter outer edge), faces shaded with colour gradients, a blue shaded
// title bar, a light-blue underline under the focused widget's label and
// embossed labels on disabled widgets.
//
// The slot procedures build every widget from the handful of drawing
// routines declared here; they answer MSG_DRAW and leave all behaviour to
// Allegro's stock procedures.
#ifndef WIDGETS_LOOKS_PHOTON_LOOK_H
#define WIDGETS_LOOKS_PHOTON_LOOK_H

#include <allegro.h>

#include "widgets/looks/building_blocks.h"

// Every colour the look draws with, computed with makecol at init.
enum PhotonColour {
    PH_BLACK,
    PH_WHITE,
    PH_FACE,
    PH_DISABLED,
    PH_ETCH_DARK,
    PH_ETCH_TOP,
    PH_ETCH_BOTTOM,
    PH_EDGE_DARK,
    PH_FOCUS_BLUE,
    PH_SCROLL_EDGE,
    PH_TROUGH,
    PH_GRIP_LIGHT,
    PH_GRIP_DARK,
    PH_KNOB_LIGHT,
    PH_KNOB_SHADE,
    PH_KNOB_EDGE,
    PH_FIELD,
    PH_FIELD_SHADE,
    PH_LIST_BG,
    PH_LIST_SELECT,
    PH_CROSS,
    PH_CROSS_SHADE,
    PH_CHECK_HINT,
    PH_GROOVE_MID,
    PH_GROOVE_DARK,
    PH_WINDOW_RIM,
    PH_WINDOW_SHADE,
    PH_MENU_FACE,
    PH_TITLE_LIGHT,
    PH_TITLE_MID,
    PH_TITLE_DARK,
    PH_TICK,
    PH_COLOUR_COUNT
};

// The parameters: the PhotonColour entries in their order, then the start
// and end of each ramp.
enum PhotonRampParam {
    PH_P_BUTTON_FACE = PH_COLOUR_COUNT,
    PH_P_THUMB = PH_P_BUTTON_FACE + 2,
    PH_P_BAR = PH_P_THUMB + 2,
    PH_P_KNOB_FACE = PH_P_BAR + 2,
    PH_P_TITLE = PH_P_KNOB_FACE + 2,
    PH_P_CHECK_SIZE = PH_P_TITLE + 2,
    PH_P_TITLE_HEIGHT,
    PH_P_BEVEL_WIDTH,
    PHOTON_PARAM_COUNT
};
extern const LookParamDef PHOTON_PARAMS[PHOTON_PARAM_COUNT];

// Metrics from the parameters, grown with the font: the check box's and
// radio button's side, and the title bar's height.
extern int photon_check_size;
extern int photon_title_height;
// The etched frame's width in pixels (the font leaves it alone): the outer
// edge, then the dark outline, one line more of it per pixel past two.
extern int photon_bevel_width;

// Each PhotonColour's value in the current colour depth (valid between init
// and shutdown).
int photon_colour(PhotonColour c);
void photon_compute_colours(void);

// A colour ramp: start red, green, blue, then end red, green, blue. Ramps
// are turned into colours as they are drawn; init reads their ends from the
// parameters.
struct Gradient {
    int start_r, start_g, start_b;
    int end_r, end_g, end_b;
};

extern Gradient photon_button_face;  // button faces
extern Gradient photon_thumb;        // scroll thumb, open menu-bar item
extern Gradient photon_bar;          // menu-bar background and items
extern Gradient photon_knob_face;    // slider knob
extern Gradient photon_title;        // window title bar

// The look's images; any of them is null when it could not be created.
extern BITMAP *photon_radio_off;  // 14 x 14
extern BITMAP *photon_radio_on;   // 14 x 14
extern BITMAP *photon_arrow;      // 6 x 8, the sub-menu arrow
void photon_build_bitmaps(void);
void photon_destroy_bitmaps(void);

// Drawing routines; corners and line ends inclusive.
void photon_gradient(BITMAP *bmp, int x1, int y1, int x2, int y2, const Gradient &g, int across);
// Frames and panels take the etch's width: photon_bevel_width for boxes,
// buttons and icons; edit fields, lists and check boxes keep two pixels, as
// their text, rows and marks sit at fixed places inside.
void photon_frame(BITMAP *bmp, int x, int y, int w, int h, int width);
void photon_panel(BITMAP *bmp, int x, int y, int w, int h, int colour, int width);
// How far inside a w x h row its face starts: the bevel's width, held to
// half the row so a wide bevel on a small row draws inside it.
int photon_frame_inset(int w, int h);
void photon_text(BITMAP *bmp, const char *text, int x, int y, int flags, int centred);
void photon_scroll_handle(BITMAP *bmp, int x, int y, int w, int h, int vertical, int position, int length);
void photon_list_frame(DIALOG *d, int total, int offset, int visible);
void photon_grip_dot(BITMAP *bmp, int x, int y);
void photon_knob(BITMAP *bmp, int x, int y, int w, int h, int across);
void photon_menu_frame(int x, int y, int w, int h, int bar);

// The menu hooks installed while the look is current.
void photon_draw_menu(int x, int y, int w, int h);
void photon_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel);

// Set-up and tear-down (the record's init and shutdown).
void photon_init(void);
void photon_shutdown(void);

// The slot procedures.
int photon_box_proc(int msg, DIALOG *d, int c);
int photon_button_proc(int msg, DIALOG *d, int c);
int photon_push_proc(int msg, DIALOG *d, int c);
int photon_check_proc(int msg, DIALOG *d, int c);
int photon_radio_proc(int msg, DIALOG *d, int c);
int photon_icon_proc(int msg, DIALOG *d, int c);
int photon_edit_proc(int msg, DIALOG *d, int c);
int photon_list_proc(int msg, DIALOG *d, int c);
int photon_text_list_proc(int msg, DIALOG *d, int c);
int photon_textbox_proc(int msg, DIALOG *d, int c);
int photon_slider_proc(int msg, DIALOG *d, int c);
int photon_window_proc(int msg, DIALOG *d, int c);
int photon_clear_proc(int msg, DIALOG *d, int c);

#endif
