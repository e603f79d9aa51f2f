// The "ASE" look: black-outlined boxes with a one-pixel bevel and a face
// that fades from white at the top to grey at the bottom. Pressed widgets
// turn bevel and fade upside down; focus is a dotted rectangle inside.
#ifndef WIDGETS_THEMES_ASE_H
#define WIDGETS_THEMES_ASE_H

#include <allegro.h>

// Grey levels of the fade and the bevel.
enum {
    ASE_TOP_LEVEL = 255,     // every fade starts (or, pressed, ends) in white
    ASE_FACE_LEVEL = 194,    // bottom of an idle face
    ASE_FOCUS_LEVEL = 224,   // bottom of a focused face; top of an edit field
    ASE_DIM_LEVEL = 128,     // shadows, disabled outline, text and face
    ASE_DOT_DIM_LEVEL = 192  // second colour of a disabled focus rectangle
};

// The look's colour cells (foreground, background, middle), set by init.
extern int ase_fg_color;
extern int ase_bg_color;
extern int ase_mg_color;

// Grey level g in the screen's current colour depth.
int ase_grey(int level);

// Drawing primitives, on screen, corners inclusive.
void ase_bevel_lines(int x1, int y1, int x2, int y2, int top_left, int bottom_right);
void ase_gradient(int x1, int y1, int x2, int y2, int top_level, int bottom_level);
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
