// The "ASE" look: black-outlined boxes with a one-pixel bevel and a face
// that fades from white at the top to grey at the bottom. Pressed widgets
// turn bevel and fade upside down; focus is a dotted rectangle inside.
#ifndef WIDGETS_LOOKS_ASE_LOOK_H
#define WIDGETS_LOOKS_ASE_LOOK_H

#include <allegro.h>

#include "widgets/looks/building_blocks.h"

// The look's parameters: the colours of the fade and the bevel, as 0xRRGGBB.
enum AseParam {
    ASE_P_TEXT,        // outlines, labels, the title
    ASE_P_LIGHT,       // every fade starts (or, pressed, ends) here; bevel light
    ASE_P_FACE,        // bottom of an idle face
    ASE_P_FOCUS,       // bottom of a focused face; top of an edit field
    ASE_P_DIM,         // shadows, disabled outline, text and face
    ASE_P_DOT_DIM,     // second colour of a disabled focus rectangle
    ASE_P_CHECK_SIZE,  // the check box's side, grown with the font
    ASE_P_BEVEL,       // the face's bevel inside the outline, in pixels
    ASE_PARAM_COUNT
};
extern const LookParamDef ASE_PARAMS[ASE_PARAM_COUNT];

// The parameters' values, read at init (the check size grown with the font).
extern int ase_rgb[ASE_PARAM_COUNT];
extern int ase_check_size;
// The face bevel's width, from its parameter.
extern int ase_bevel_width;
// Reads the values above from the parameters (params.cpp).
void ase_read_params(void);

// The look's colour cells (foreground, background, middle), set by init.
extern int ase_fg_color;
extern int ase_bg_color;
extern int ase_mg_color;

// Parameter p in the screen's current colour depth.
int ase_colour(AseParam p);

// Drawing primitives, on screen, corners inclusive.
void ase_bevel_lines(int x1, int y1, int x2, int y2, int top_left, int bottom_right);
void ase_gradient(int x1, int y1, int x2, int y2, int top_rgb, int bottom_rgb);
void ase_box(int x1, int y1, int x2, int y2, int flags);

// The look's dialog procedures.
int ase_box_proc(int msg, DIALOG *d, int c);
int ase_button_proc(int msg, DIALOG *d, int c);
int ase_push_proc(int msg, DIALOG *d, int c);
int ase_check_proc(int msg, DIALOG *d, int c);
int ase_radio_proc(int msg, DIALOG *d, int c);
int ase_edit_proc(int msg, DIALOG *d, int c);
int ase_window_proc(int msg, DIALOG *d, int c);
int ase_clear_proc(int msg, DIALOG *d, int c);

#endif
