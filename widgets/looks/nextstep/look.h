// The "NeXTStep" look: four shades only (white, light grey, dark grey and
// black). Raised grey bevels with a white top-left edge, a dark inner
// bottom-right edge and a black outline; pressed buttons turn white with a
// black top-left edge; fields and sliders are sunken; windows have a black
// title bar with a white centred title. Focus shows only as the text caret.
#ifndef WIDGETS_LOOKS_NEXTSTEP_LOOK_H
#define WIDGETS_LOOKS_NEXTSTEP_LOOK_H

#include <allegro.h>

#include "widgets/looks/building_blocks.h"

// The look's colours, computed with makecol at init.
enum NextstepColour { NX_WHITE, NX_GREY, NX_DARK, NX_BLACK, NX_DISABLED, NX_COLOUR_COUNT };

// One parameter per colour, in the enum's order, then the check box's side
// and the raised bevel's width.
enum { NX_P_CHECK_SIZE = NX_COLOUR_COUNT, NX_P_BEVEL_WIDTH, NEXTSTEP_PARAM_COUNT };
extern const LookParamDef NEXTSTEP_PARAMS[NEXTSTEP_PARAM_COUNT];
// The check box's side (the radio button is one less), grown with the font.
extern int nextstep_check_size;
// The raised bevel's width: its outline and the dark lines inside it.
extern int nextstep_bevel_width;

int nextstep_colour(NextstepColour c);
void nextstep_compute_colours(void);

// The look's images; any of them is null when it could not be created.
extern BITMAP *nextstep_radio_off;       // 15 x 15
extern BITMAP *nextstep_radio_on;        // 15 x 15
extern BITMAP *nextstep_dimple;          // 6 x 6, on long scroll knobs
extern BITMAP *nextstep_arrow;           // 7 x 7, sub-menu arrow
extern BITMAP *nextstep_arrow_selected;  // 7 x 7, on a highlighted item
void nextstep_build_bitmaps(void);
void nextstep_destroy_bitmaps(void);

enum NextstepBevel { BEVEL_RAISED = 0, BEVEL_PRESSED = 1, BEVEL_WHITE = 2 };

// Drawing routines; corners and line ends inclusive.
void nextstep_bevel(BITMAP *bmp, int x, int y, int w, int h, int style);
void nextstep_check_mark(BITMAP *bmp, int x, int y);
void nextstep_list_frame(DIALOG *d, int total, int offset, int visible);

// The menu hooks installed while the look is current.
void nextstep_draw_menu(int x, int y, int w, int h);
void nextstep_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel);

// Set-up and tear-down (the record's init and shutdown).
void nextstep_init(void);
void nextstep_shutdown(void);

// The slot procedures.
int nextstep_box_proc(int msg, DIALOG *d, int c);
int nextstep_button_proc(int msg, DIALOG *d, int c);
int nextstep_push_proc(int msg, DIALOG *d, int c);
int nextstep_check_proc(int msg, DIALOG *d, int c);
int nextstep_radio_proc(int msg, DIALOG *d, int c);
int nextstep_icon_proc(int msg, DIALOG *d, int c);
int nextstep_edit_proc(int msg, DIALOG *d, int c);
int nextstep_list_proc(int msg, DIALOG *d, int c);
int nextstep_text_list_proc(int msg, DIALOG *d, int c);
int nextstep_textbox_proc(int msg, DIALOG *d, int c);
int nextstep_slider_proc(int msg, DIALOG *d, int c);
int nextstep_window_proc(int msg, DIALOG *d, int c);
int nextstep_clear_proc(int msg, DIALOG *d, int c);

#endif
