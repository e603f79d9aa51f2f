// The "BeOS" look's colours in the current colour depth. Each widget kind
// reads a small colour set chosen by the row's state; the sets are indexed
// from 0 and a kind reads only some of the entries.
#ifndef GROG_WIDGETS_THEMES_BEOS_PALETTE_H
#define GROG_WIDGETS_THEMES_BEOS_PALETTE_H

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

// The look's parameters, one per colour the palette reads.
enum {
    BEOS_COLOUR_PARAM_COUNT = 82,
    BEOS_P_CHECK_SIZE = BEOS_COLOUR_PARAM_COUNT,
    BEOS_P_BEVEL_WIDTH,
    BEOS_PARAM_COUNT
};
struct LookParamDef;
extern const LookParamDef BEOS_PARAMS[BEOS_PARAM_COUNT];

// Valid between beos_make_colours (run by the look's init) and shutdown.
extern BeosPalette beos_colours;
// The check box's and radio button's side, grown with the font.
extern int beos_check_size;
// The light and the shadow lines inside a button's outline, in pixels (the
// font leaves it alone).
extern int beos_bevel_width;
void beos_make_colours(void);

#endif
