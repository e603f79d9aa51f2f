/** @file
 * sloopgui: Allegro 4's standard dialog widgets drawn in one of several
 * looks. A look is a Theme: a record with a name, three colours, a set-up and
 * a tear-down procedure, and eighteen dialog procedures, one per standard
 * widget. One look at a time is current.
 *
 * Dialog rows name the forwarders theme_*_proc below, never a look's own
 * procedures. Every forwarder hands each message to the current look afresh,
 * so making another look current restyles a running dialog at its next
 * message without touching the DIALOG array.
 *
 * Everything here is for the thread that runs the dialogs; nothing is locked.
 * The header can be included from C and C++. */
#ifndef SLOOPGUI_THEME_H
#define SLOOPGUI_THEME_H

#include <allegro.h>

#include "sloopgui/export.h"
#include "sloopgui/version.h"

#ifdef __cplusplus
extern "C" {
#endif

/** Allegro's dialog-procedure signature: message (MSG_DRAW, MSG_CLICK, ...),
 * the dialog row, a key or data code; returns Allegro's result bits
 * (D_O_K, D_CLOSE, D_REDRAWME, ...). */
typedef int (*ThemeDialogProc)(int msg, DIALOG *d, int c);

/** Room in a Theme record for the slots later versions add. A later version
 * names some of these in place, keeping the record's size and every offset,
 * and reads a null one as "not provided", so a program built against this
 * version (which leaves them null) keeps working, and one that copies a
 * built-in record copies them whole. */
typedef struct ThemeReserved {
    void (*slot[8])(void); /**< null in this version */
} ThemeReserved;

/** The initialiser for a record's `reserved` member, warning-free in C and
 * C++ alike: every reserved slot null. */
/* clang-format off */
#ifdef __cplusplus
#define THEME_RESERVED_NONE {}
#else
#define THEME_RESERVED_NONE {{0}}
#endif
/* clang-format on */

/** A look; see struct Theme. */
typedef struct Theme Theme;

/** One look. The fields keep this order so a look can be written as an
 * aggregate initialiser, ending with THEME_RESERVED_NONE. The record must
 * live for as long as it is registered or current: a static table entry is
 * the usual place. */
struct Theme {
    /** Registry name, compared exactly (ustrcmp, case-sensitive) by
     * find_theme. Must stay valid while the look is registered. */
    const char *name;
    /** Colour cells: int variables holding makecol values for the screen's
     * colour depth, so they can only be filled after set_gfx_mode; `init`
     * fills them and may repoint these pointers (the stock look points them
     * at Allegro's gui_*_color). Read only after `init` has run. */
    int *fg_color; /**< text and outline */
    int *bg_color; /**< face */
    int *mg_color; /**< middle: disabled text, dim details */
    /** Builds the look's colours, small bitmaps and menu hooks; called by
     * init_theme after the graphics mode is set. May be null. */
    void (*init)(void);
    /** Frees what `init` built and clears the menu hooks it set; called by
     * shutdown_theme. May be null. */
    void (*shutdown)(void);
    /** The eighteen widget procedures. Each answers MSG_DRAW by drawing on
     * gui_get_screen() (`screen` unless the program called gui_set_screen),
     * hiding the mouse only when that is `screen`, and hands other messages to Allegro's stock procedure for
     * the same widget (or to the slot of the look it was copied from). */
    ThemeDialogProc box_proc;        /**< counterpart of d_box_proc */
    ThemeDialogProc shadow_box_proc; /**< counterpart of d_shadow_box_proc */
    ThemeDialogProc button_proc;     /**< counterpart of d_button_proc */
    /** A button that never closes the dialog by itself: D_EXIT is forced on
     * and its dp3 callback, int (*)(DIALOG *), runs when it is pressed; the
     * callback's result bits are returned (D_CLOSE closes). */
    ThemeDialogProc push_proc;
    ThemeDialogProc check_proc;     /**< counterpart of d_check_proc */
    ThemeDialogProc radio_proc;     /**< counterpart of d_radio_proc */
    ThemeDialogProc icon_proc;      /**< counterpart of d_icon_proc */
    ThemeDialogProc edit_proc;      /**< counterpart of d_edit_proc */
    ThemeDialogProc list_proc;      /**< counterpart of d_list_proc */
    ThemeDialogProc text_list_proc; /**< counterpart of d_text_list_proc */
    ThemeDialogProc textbox_proc;   /**< counterpart of d_textbox_proc */
    ThemeDialogProc slider_proc;    /**< counterpart of d_slider_proc */
    ThemeDialogProc menu_proc;      /**< counterpart of d_menu_proc */
    /** A framed box with the title dp (may be null) drawn inside near the top. */
    ThemeDialogProc window_proc;
    ThemeDialogProc clear_proc; /**< counterpart of d_clear_proc */
    ThemeDialogProc text_proc;  /**< counterpart of d_text_proc */
    ThemeDialogProc ctext_proc; /**< counterpart of d_ctext_proc */
    ThemeDialogProc rtext_proc; /**< counterpart of d_rtext_proc */
    /** Keep null: THEME_RESERVED_NONE in an initialiser. */
    ThemeReserved reserved;
};

/* ------------------------------------------------------------- the looks */

/** @{ */
/** The seven built-in looks, registered as "GTK", "Photon", "Win95", "ASE",
 * "BeOS", "NeXTStep" and "Allegro" (the stock look: Allegro's own d_*_proc
 * procedures). "Win95" and "BeOS" start a 500 ms caret-blink timer in their
 * init, so install_timer must have been called before they are made
 * current. A program may copy one of these records to start a look of its
 * own (see register_theme). */
SLOOPGUI_API extern Theme *theme_gtk;
SLOOPGUI_API extern Theme *theme_photon;
SLOOPGUI_API extern Theme *theme_win95;
SLOOPGUI_API extern Theme *theme_ase;
SLOOPGUI_API extern Theme *theme_beos;
SLOOPGUI_API extern Theme *theme_nextstep;
SLOOPGUI_API extern Theme *theme_allegro;
/** @} */

/* ---------------------------------------------------------- the registry */

/** Room in the registry: the seven built-in looks and the program's own. */
#define SLOOPGUI_REGISTRY_CAPACITY 16

/** What register_theme and unregister_theme answer. Every refusal leaves the
 * registry exactly as it was. */
enum {
    THEME_OK = 0,                /**< done */
    THEME_ERR_NULL = -1,         /**< the theme pointer is null */
    THEME_ERR_NAME = -2,         /**< its name is null or empty */
    THEME_ERR_DUPLICATE = -3,    /**< a registered look has that name already */
    THEME_ERR_FULL = -4,         /**< no room left (SLOOPGUI_REGISTRY_CAPACITY) */
    THEME_ERR_MISSING_SLOT = -5, /**< a required slot is null, see register_theme */
    THEME_ERR_NOT_FOUND = -6,    /**< unregister_theme: the look is not registered */
    THEME_ERR_BUILTIN = -7,      /**< unregister_theme: built-in looks stay */
    THEME_ERR_CURRENT = -8,      /**< unregister_theme: the look is current */
    THEME_ERR_NO_SCREEN = -9     /**< use_theme, rebuild_theme: no graphics mode set yet (gui_get_screen() is null) */
};

/** Adds a look of the program's own after the built-in ones, so find_theme
 * finds it by its name. The record is kept by pointer, not copied.
 *
 * Required: a non-empty name not yet registered (compared as find_theme
 * does, so "GTK" cannot be taken again), and all eighteen widget procedures:
 * the forwarders would draw nothing for an empty slot and, for a button, the
 * dialog could never be closed. The colour cells are required unless the
 * look has an `init`, which may point them somewhere only once the graphics
 * mode is set (as the stock look does). `init` and `shutdown` may be null.
 *
 * Returns THEME_OK, or THEME_ERR_NULL, THEME_ERR_NAME, THEME_ERR_DUPLICATE,
 * THEME_ERR_MISSING_SLOT or THEME_ERR_FULL (checked in that order). */
SLOOPGUI_API int register_theme(Theme *theme);

/** Takes a look added by register_theme out of the registry; the looks
 * after it move up one place. Refuses a null theme (THEME_ERR_NULL), a
 * built-in look (THEME_ERR_BUILTIN), the current look (THEME_ERR_CURRENT:
 * end it with shutdown_theme first) and a look that is not registered
 * (THEME_ERR_NOT_FOUND). Returns THEME_OK when it is gone. */
SLOOPGUI_API int unregister_theme(Theme *theme);

/** The registered look called `name` (exact, case-sensitive comparison with
 * ustrcmp in Allegro's current text encoding), or null when there is none
 * or `name` is null. The built-in looks come first, in the order above. */
SLOOPGUI_API Theme *find_theme(const char *name);

/** The number of registered looks, built-in ones included. */
SLOOPGUI_API int theme_count(void);

/** The registered look at `index` (0 .. theme_count() - 1, in search
 * order), or null outside that range. For menus that list every look. */
SLOOPGUI_API Theme *theme_at(int index);

/* ------------------------------------------------------ the current look */

/** The look in force, or null. Read it; change it with use_theme or
 * init_theme. The library keeps its own record of the look in force, so a
 * program's global of the same name cannot mislead it. */
SLOOPGUI_API extern Theme *current_theme;

/** @{ */
/** The current look's three colours, published by use_theme (which also
 * copies them into Allegro's gui_fg_color, gui_bg_color, gui_mg_color, for
 * alert boxes and rows drawn by Allegro's procedures) and by init_theme
 * (which leaves that copy to the program). Read them; the library keeps
 * its own. */
SLOOPGUI_API extern int theme_fg_color;
SLOOPGUI_API extern int theme_bg_color;
SLOOPGUI_API extern int theme_mg_color;
/** @} */

/** Ends the look in force (as stop_theme does), then starts `theme`: saves
 * Allegro's three GUI colours, calls the look's init, publishes its colours
 * into theme_fg_color, theme_bg_color, theme_mg_color and into Allegro's
 * gui_fg_color, gui_bg_color, gui_mg_color, and points Allegro's GUI hooks
 * gui_shadow_box_proc, gui_ctext_proc, gui_button_proc, gui_edit_proc,
 * gui_list_proc and gui_text_list_proc at the forwarders, so alert() and
 * file_select_ex() are drawn in the look too.
 *
 * Returns THEME_OK; THEME_ERR_NULL for a null theme, THEME_ERR_NO_SCREEN
 * before a graphics mode is set (gui_get_screen() is null), and then
 * changes nothing. Call again, or rebuild_theme, after set_gfx_mode. */
SLOOPGUI_API int use_theme(Theme *theme);

/** use_theme on the registered look called `name` (as find_theme finds it);
 * THEME_ERR_NAME for a null name, THEME_ERR_NOT_FOUND for an unknown one. */
SLOOPGUI_API int use_theme_named(const char *name);

/** Ends the look in force and puts back what Allegro had before it began:
 * the GUI colours, and the hooks use_theme pointed (a hook the program
 * pointed elsewhere since stays so). Does nothing when no look is current. */
SLOOPGUI_API void stop_theme(void);

/** Builds the look in force again: its shutdown, then its init, then its
 * colours published as use_theme (or init_theme) did. A look's colours are
 * makecol values for one colour depth and palette: call this after
 * set_gfx_mode, a colour-depth change or set_palette while a look is in
 * force. THEME_OK (also with no look in force), or THEME_ERR_NO_SCREEN
 * without a graphics mode, when the look is left as it was. */
SLOOPGUI_API int rebuild_theme(void);

/** The lower-level start: ends the look in force (as stop_theme does), then
 * makes `theme` current, saves Allegro's three GUI colours, calls its init
 * and publishes its colours into theme_*_color only (0 for a null cell);
 * Allegro's colours and hooks are left to the program. A null `theme` only
 * ends the look in force. Before a graphics mode is set (gui_get_screen()
 * is null) it is refused as use_theme refuses (THEME_ERR_NO_SCREEN): it
 * does nothing, and the look in force stays. */
SLOOPGUI_API void init_theme(Theme *theme);

/** The same as stop_theme: ends the look in force and puts back what
 * Allegro had. Does nothing when no look is current. */
SLOOPGUI_API void shutdown_theme(void);

/* ------------------------------------------------ version and messages */

/** The version of the library the program runs with, which may be newer
 * than the one it was built against (SLOOPGUI_VERSION_STRING): "1.2.0". */
SLOOPGUI_API const char *sloopgui_version(void);

/** The same as a number, (major << 16) | (minor << 8) | patch, to compare
 * with SLOOPGUI_VERSION_NUMBER or SLOOPGUI_MAKE_VERSION(1, 2, 0). */
SLOOPGUI_API int sloopgui_version_number(void);

/** A THEME_OK or THEME_ERR_* code in words ("no graphics mode set yet"),
 * for a message to the user or a log; "unknown error code" for any other
 * number. The text is static: do not free it. */
SLOOPGUI_API const char *theme_error_text(int code);

/* ------------------------------------------- focus and disabled cues */

/** Turns the focus and disabled cues on (non-zero) or off (0, the start).
 * With them on, a widget whose look shows no focus of its own gets a
 * dotted outline inside its row while it has D_GOTFOCUS, and one whose
 * look draws it disabled no differently gets every other pixel in the
 * look's face colour while it has D_DISABLED, so keyboard users see where
 * they are in every look. Widgets the look already cues are left as the
 * look draws them; with the cues off every look draws as it always did. A
 * look may ask for the cues itself, whatever this setting. */
SLOOPGUI_API void set_theme_cues(int on);

/** 1 when set_theme_cues turned the cues on, else 0. */
SLOOPGUI_API int get_theme_cues(void);

/* ---------------------------------------------------------- forwarders */

/** @{ */
/** The procedures DIALOG rows name, and that use_theme puts into Allegro's
 * GUI hooks. Each passes its three arguments to the current look's slot of
 * the same name and returns its result; with no current look it hands them
 * to Allegro's own procedure for the widget (stock_push_proc and
 * stock_window_proc for the two Allegro lacks), and with an empty slot it
 * answers D_O_K and draws nothing.
 *
 * MSG_DRAW is clipped to the row (x, y, w, h), and a row without width or
 * height draws nothing, with three exceptions: an edit field is clipped to
 * its columns only (the looks make it as high as the font needs); text
 * rows are laid out by their text, as Allegro's d_text_proc lays them out,
 * and menus and the clear procedure size themselves.
 * Rows Allegro's procedures cannot take are made safe first: a slider is
 * drawn with its value within 0..d1 and, with d1 <= 0, at its start and
 * deaf to keys and clicks; one whose range is finer than Allegro's 16.16
 * arithmetic can follow (d1 past 65536 steps per pixel of travel) moves a
 * pixel's worth per key; a list or text list with a null dp has no
 * items; a text box with a null dp, or narrower than its widest character
 * and 24 pixels of frame, is drawn empty; a button, push button, check
 * box or radio button with a null dp reaching Allegro's own procedure has
 * no label, an icon without its bitmap is a plain button, and an edit
 * field with a null dp is empty and takes no characters. A row reaching
 * thousands of pixels past the bitmap's clipping is drawn as its part near
 * what can be seen, so drawing takes the time the visible part needs. */
SLOOPGUI_API int theme_box_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_shadow_box_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_button_proc(int msg, DIALOG *d, int c);
/** d->dp3: int (*)(DIALOG *) run when pressed; its result bits are returned. */
SLOOPGUI_API int theme_push_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_check_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_radio_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_icon_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_edit_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_list_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_text_list_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_textbox_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_slider_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_menu_proc(int msg, DIALOG *d, int c);
/** d->dp: the window's title, or null. */
SLOOPGUI_API int theme_window_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_clear_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_text_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_ctext_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int theme_rtext_proc(int msg, DIALOG *d, int c);
/** @} */

/* ------------------------------------------------------ style parameters */

/** What a style parameter holds; see ThemeParam. */
enum {
    THEME_PARAM_COLOUR = 1, /**< a colour as 0xRRGGBB, made a screen colour at init */
    THEME_PARAM_SIZE = 2,   /**< pixels with an 8-pixel font; drawn scaled by text_height(font) / 8 */
    THEME_PARAM_PIXELS = 3, /**< pixels whatever the font (line widths) */
    THEME_PARAM_SWITCH = 4  /**< 0 off, 1 on */
};

/** One named parameter of a look: a colour or a metric it draws with. */
typedef struct ThemeParam {
    /** Lower-case name ("face", "check_size"), as look files write it. */
    const char *name;
    int kind; /**< THEME_PARAM_COLOUR, _SIZE, _PIXELS or _SWITCH */
    /** The value the look draws with once it is (re)built: use_theme, or
     * rebuild_theme while it is in force. */
    int value;
    /** Non-zero when this look sets the value itself; zero when it follows
     * its base look (and `value` shows the base's). A built-in look owns
     * every parameter. */
    int own;
    int min;           /**< the least value theme_set_param accepts */
    int max;           /**< the greatest value theme_set_param accepts */
    const char *about; /**< where it shows, for editors */
} ThemeParam;

/** A look's parameters, as theme_style answers them. */
typedef struct ThemeStyle {
    int count;         /**< how many parameters */
    ThemeParam *param; /**< `count` entries, the look's own order */
} ThemeStyle;

/** One change of a parameter, for derive_theme; a list ends with a null name. */
typedef struct ThemeSetting {
    const char *name; /**< the parameter's name */
    int value;        /**< its new value */
} ThemeSetting;

/** Errors of the calls below (the registry's codes above apply too). */
enum {
    THEME_ERR_PARAM = -20, /**< the look has no parameter of that name */
    THEME_ERR_VALUE = -21, /**< the value is outside the parameter's min .. max */
    THEME_ERR_BASE = -22,  /**< that base would make the look its own base */
    THEME_ERR_MEMORY = -23 /**< out of memory */
};

/** The parameters `theme` draws with: a built-in look's own (the "focus_cues"
 * switch, last, says whether the look wants the library's focus cues), or,
 * for a look of the program's, those of the built-in look at the end of its
 * base looks (or of the built-in look whose init it copied), each following
 * the base until set. Null for a null theme. The record stays the look's
 * until its base changes or it is freed; write values through
 * theme_set_param, or write `value` and `own` = 1 yourself. Changes show
 * from the next use_theme or rebuild_theme. */
SLOOPGUI_API ThemeStyle *theme_style(Theme *theme);

/** The value of parameter `name` of `theme` into *value: THEME_OK,
 * THEME_ERR_NULL (null theme, name or value) or THEME_ERR_PARAM. */
SLOOPGUI_API int theme_get_param(Theme *theme, const char *name, int *value);

/** Sets parameter `name` of `theme` (the look then owns it): THEME_OK,
 * THEME_ERR_NULL, THEME_ERR_PARAM or THEME_ERR_VALUE, when nothing changes.
 * Shows from the next use_theme or rebuild_theme. */
SLOOPGUI_API int theme_set_param(Theme *theme, const char *name, int value);

/** Gives parameter `name` back to the base look (a built-in look: its own
 * default). THEME_OK, THEME_ERR_NULL or THEME_ERR_PARAM. */
SLOOPGUI_API int theme_reset_param(Theme *theme, const char *name);

/* ------------------------------------------------------------ base looks */

/** Names `base` as the look `theme` falls back on: every empty widget slot,
 * colour cell, init and shutdown (and with them the menu hooks the base's
 * init sets) and every parameter `theme` does not set come from the base,
 * and from its base in turn. A look with a base may be registered with
 * empty slots. A null `base` removes it. THEME_OK, THEME_ERR_NULL for a
 * null theme, THEME_ERR_BASE when `base` is `theme` or falls back on it,
 * THEME_ERR_CURRENT when `theme` is in force or the look in force falls
 * back on it (stop it first). Call it before register_theme. */
SLOOPGUI_API int theme_set_base(Theme *theme, Theme *base);

/** The base look of `theme`, or null. */
SLOOPGUI_API Theme *theme_base(const Theme *theme);

/** A look in one call: a new record named `name` (copied), with no slot of
 * its own, falling back on `base`, with the parameters of `changes` (a list
 * ending with a null name, or null) set, and registered. Null on a refusal,
 * its code in *error when `error` is not null (THEME_ERR_NULL for a null
 * base, the codes of theme_set_param and register_theme, THEME_ERR_MEMORY);
 * nothing is left behind then. Free it with free_theme. */
SLOOPGUI_API Theme *derive_theme(const char *name, Theme *base, const ThemeSetting *changes, int *error);

/** Unregisters and frees a look derive_theme or load_theme made. THEME_OK,
 * THEME_ERR_NULL, THEME_ERR_CURRENT (stop it first), THEME_ERR_BASE (another
 * look falls back on it) or THEME_ERR_NOT_FOUND (not made by those calls). */
SLOOPGUI_API int free_theme(Theme *theme);

/* ------------------------------------------------------------ look files */

/** A look file is text in Allegro's configuration syntax: "key = value"
 * lines, "[section]" headings and "#" comment lines. It starts with
 * `version = 1`; then `name` (the look's name, for load_theme) and `base`
 * (the registered look it falls back on); under `[params]` one line per
 * changed parameter (`face = #D6D6D6` for a colour, `check_size = 12` for a
 * metric or a switch); under `[images]` one line per widget part drawn from
 * an image:
 *
 *     frame = frame.bmp 3 3 3 3
 *
 * the file (BMP, PCX or TGA; PNG when the program registered a PNG loader
 * with register_bitmap_file_type; at most 4 MiB and 1024 pixels each way)
 * in the look file's own directory, then the nine-slice margins left, top,
 * right, bottom. Parts, each at most once: `frame` (boxes and windows),
 * `face` (buttons), `check`, `radio` (two frames side by side, clear then
 * set, drawn text_height(font) + 4 pixels square), `thumb` (the slider's),
 * `title` (window title bars) and `menu` (menu backgrounds). An optional
 * sixth number gives how many frames of equal width the image holds side by
 * side: for `face` normal, pressed, focused, disabled; a state without a
 * frame takes the first. */

/** The version of look files this library reads and writes. */
#define THEME_FILE_VERSION 1
/** A bigger look file is refused whole. */
#define THEME_FILE_MAX_BYTES 65536

/** Problems in a look file, reported with their line and key. */
enum {
    THEME_ERR_FILE = -30,    /**< the file cannot be opened, read or written, or is too big */
    THEME_ERR_SYNTAX = -31,  /**< a line that is not "key = value", "[section]" or a comment */
    THEME_ERR_VERSION = -32, /**< no `version = 1` line first, or another version */
    THEME_ERR_KEY = -33,     /**< a key or section this version does not know */
    THEME_ERR_IMAGE = -34,   /**< an image that cannot be loaded, or margins it cannot take */
    THEME_ERR_PATH = -35,    /**< an image outside the look file's directory */
    THEME_ERR_PROBLEMS = -36 /**< some lines were refused (each reported); the rest applied */
};

/** Flags of load_theme_file and load_theme. */
enum {
    /** Let images be named by absolute paths or outside the look file's
     * directory (by default they are refused, THEME_ERR_PATH). */
    THEME_FILE_IMAGES_ANYWHERE = 1
};

/** Receives each problem of a look file: the line (from 1; 0 for the file
 * as a whole), the key ("" when none), a THEME_ERR_* code and a message in
 * English. `user` is what the program passed. */
typedef void (*ThemeFileReport)(void *user, int line, const char *key, int code, const char *message);

/** Reads the look file `path` into `theme`: its base (THEME_ERR_CURRENT
 * while the look is in force), its parameters and its images. `name` is
 * left to load_theme. Every problem goes to `report` (may be null) and its
 * line is skipped; the rest is applied. Returns THEME_OK, THEME_ERR_NULL,
 * THEME_ERR_FILE (nothing read: missing, unreadable, more than
 * THEME_FILE_MAX_BYTES) or THEME_ERR_PROBLEMS. Changes show from the next
 * use_theme or rebuild_theme. */
SLOOPGUI_API int load_theme_file(Theme *theme, const char *path, int flags, ThemeFileReport report, void *user);

/** A new look from the look file `path`, named by its `name` line and
 * registered; free it with free_theme. Null when there is no look (the
 * reason in *error: THEME_ERR_FILE, THEME_ERR_NAME without a name, the
 * codes of register_theme); a look whose file had problems is made, with
 * THEME_ERR_PROBLEMS in *error. */
SLOOPGUI_API Theme *load_theme(const char *path, int flags, ThemeFileReport report, void *user, int *error);

/** Draws widget `part` of `theme` ("frame", "face", "check", "radio",
 * "thumb", "title" or "menu", as in look files) from the image file `path`
 * (any path: the program's own choice), nine-sliced with the margins
 * `left`, `top`, `right`, `bottom`, holding `frames` pictures side by side;
 * a null `path` takes the image away. THEME_OK, THEME_ERR_NULL,
 * THEME_ERR_KEY (no such part), THEME_ERR_IMAGE (cannot be loaded, larger
 * than 1024 pixels either way, margins it cannot take, 1 to 8 frames) or
 * THEME_ERR_MEMORY. Shows from the next use_theme or rebuild_theme; a saved
 * look file names the image by `path`. */
SLOOPGUI_API int theme_set_image(Theme *theme, const char *part, const char *path, int left, int top, int right,
                                 int bottom, int frames);

/** Writes `theme` as a look file: its version, name, base, the parameters
 * it sets that differ from its base's (a built-in look: from its own
 * defaults) and its images. An image inside the directory of `path` is
 * named from there, so the file loads back without
 * THEME_FILE_IMAGES_ANYWHERE; any other keeps the path it was given.
 * THEME_OK, THEME_ERR_NULL or THEME_ERR_FILE. */
SLOOPGUI_API int save_theme_file(Theme *theme, const char *path);

/* ------------------------------------------- building blocks for a look */

/** @{ */
/** Text procedures for a look's text_proc, ctext_proc and rtext_proc slots:
 * on MSG_DRAW they draw dp in the current look's fg colour on its bg colour
 * (the row's own fg and bg are ignored), at x, centred on x + w/2, or with
 * its right end at x + w; other messages go to d_text_proc, d_ctext_proc,
 * d_rtext_proc. */
SLOOPGUI_API int themed_text_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int themed_ctext_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int themed_rtext_proc(int msg, DIALOG *d, int c);
/** @} */

/** @{ */
/** Edit-field support for a look whose text sits 3 pixels in from the row's
 * corner. Its edit_proc sends every message but MSG_DRAW through
 * shifted_edit_proc, which runs d_edit_proc on the row moved 3 pixels right
 * and down (so caret placement by mouse matches the drawn text). On MSG_DRAW
 * it calls edit_draw_unshift first and edit_draw_reshift last: a redraw that
 * d_edit_proc asks for from inside shifted_edit_proc then sees the row's
 * true position, and the shift is back when d_edit_proc continues. */
SLOOPGUI_API int shifted_edit_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API void edit_draw_unshift(DIALOG *d);
SLOOPGUI_API void edit_draw_reshift(DIALOG *d);
/** @} */

/** @{ */
/** The stock look's push button (d_button_proc with the push rule above; the
 * released button is redrawn by the dialog engine) and window (a shadow box
 * with the title dp at (x + 6, y + 6) in gui_fg_color, clipped to the row). */
SLOOPGUI_API int stock_push_proc(int msg, DIALOG *d, int c);
SLOOPGUI_API int stock_window_proc(int msg, DIALOG *d, int c);
/** @} */

#ifdef __cplusplus
}
#endif

#endif
