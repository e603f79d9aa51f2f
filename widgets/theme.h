// The themed dialog-widget layer: one record of procedures per look, a
// registry of the built-in looks by name, the look in force, and the
// forwarding procedures that dialog rows name instead of a look's own.
//
// A dialog built from the forwarders restyles itself when another look is
// made current: every message is handed to the current look afresh.
#ifndef WIDGETS_THEME_H
#define WIDGETS_THEME_H

#include <allegro.h>

// Allegro's dialog-procedure signature: message, dialog row, key/data code.
typedef int (*ThemeDialogProc)(int msg, DIALOG *d, int c);

// One look. A static table entry that lives for the whole run; the fields
// keep this order so looks can be written as aggregate initialisers.
struct Theme {
    const char *name;   // registry name, compared exactly by find_theme
    int *fg_color;      // text and outline colour cell
    int *bg_color;      // face colour cell
    int *mg_color;      // middle colour cell (disabled text, dim details)
    void (*init)(void);     // builds colours, bitmaps, hooks; after set_gfx_mode
    void (*shutdown)(void); // frees what init built, clears hooks
    ThemeDialogProc box_proc;
    ThemeDialogProc shadow_box_proc;
    ThemeDialogProc button_proc;
    ThemeDialogProc push_proc;   // button whose dp3 callback decides closing
    ThemeDialogProc check_proc;
    ThemeDialogProc radio_proc;
    ThemeDialogProc icon_proc;
    ThemeDialogProc edit_proc;
    ThemeDialogProc list_proc;
    ThemeDialogProc text_list_proc;
    ThemeDialogProc textbox_proc;
    ThemeDialogProc slider_proc;
    ThemeDialogProc menu_proc;
    ThemeDialogProc window_proc; // framed box with the title dp near the top
    ThemeDialogProc clear_proc;
    ThemeDialogProc text_proc;
    ThemeDialogProc ctext_proc;
    ThemeDialogProc rtext_proc;
};

// Handles of the seven built-in looks. Each look's module defines its own.
extern Theme *theme_gtk;
extern Theme *theme_photon;
extern Theme *theme_win95;
extern Theme *theme_ase;
extern Theme *theme_beos;
extern Theme *theme_nextstep;
extern Theme *theme_allegro;

// The registry of built-in looks, filled on the first find_theme.
enum { THEME_REGISTRY_CAPACITY = 16 };
extern Theme *ThemeRegistry[THEME_REGISTRY_CAPACITY];
extern int ThemeRegistryCount;
void register_builtin_themes(void);
// Exact, case-sensitive lookup by registry name; null when unknown.
Theme *find_theme(const char *name);

// The look in force, or null; and the colours it published at init_theme.
extern Theme *current_theme;
extern int theme_fg_color;
extern int theme_bg_color;
extern int theme_mg_color;

// Makes `theme` current (null clears it) and sets it up, saving Allegro's
// three GUI colours first. Does not copy the look's colours into them.
void init_theme(Theme *theme);
// Tears the current look down and puts Allegro's GUI colours back.
void shutdown_theme(void);

// Forwarders: hand the message to the current look's slot of the same name;
// D_O_K and no drawing when no look is current or the slot is empty.
int theme_box_proc(int msg, DIALOG *d, int c);
int theme_shadow_box_proc(int msg, DIALOG *d, int c);
int theme_button_proc(int msg, DIALOG *d, int c);
int theme_push_proc(int msg, DIALOG *d, int c);
int theme_check_proc(int msg, DIALOG *d, int c);
int theme_radio_proc(int msg, DIALOG *d, int c);
int theme_icon_proc(int msg, DIALOG *d, int c);
int theme_edit_proc(int msg, DIALOG *d, int c);
int theme_list_proc(int msg, DIALOG *d, int c);
int theme_text_list_proc(int msg, DIALOG *d, int c);
int theme_textbox_proc(int msg, DIALOG *d, int c);
int theme_slider_proc(int msg, DIALOG *d, int c);
int theme_menu_proc(int msg, DIALOG *d, int c);
int theme_window_proc(int msg, DIALOG *d, int c);
int theme_clear_proc(int msg, DIALOG *d, int c);
int theme_text_proc(int msg, DIALOG *d, int c);
int theme_ctext_proc(int msg, DIALOG *d, int c);
int theme_rtext_proc(int msg, DIALOG *d, int c);

// Text procedures shared by every drawn look: dp in the current look's fg
// colour on its bg colour; the row's own fg/bg are ignored.
int themed_text_proc(int msg, DIALOG *d, int c);
int themed_ctext_proc(int msg, DIALOG *d, int c);
int themed_rtext_proc(int msg, DIALOG *d, int c);

// Edit support. A drawn look's edit field has its text 3 pixels in from the
// row's corner: shifted_edit_proc moves the row there around d_edit_proc,
// and the look's MSG_DRAW brackets its drawing with unshift/reshift so it
// always sees the row's true position.
extern int edit_shift_depth;
int shifted_edit_proc(int msg, DIALOG *d, int c);
void edit_draw_unshift(DIALOG *d);
void edit_draw_reshift(DIALOG *d);

// The stock look "Allegro"'s own procedures.
int stock_push_proc(int msg, DIALOG *d, int c);
int stock_window_proc(int msg, DIALOG *d, int c);

#endif
