// Making a look current and ending it. What Allegro had (its three GUI
// colours, and its GUI hooks when use_theme pointed them) is saved on the
// way in and put back on the way out, so a program that tries a look leaves
// its own dialogs and Allegro's alert boxes as they were.
#include "widgets/style/look_base.h"
#include "widgets/style/look_images.h"
#include "widgets/core/published_state.h"
#include "widgets/style/cached_colour.h"
#include "widgets/theme.h"
#include "widgets/core/theme_cues.h"

Theme *look_in_force = nullptr;

namespace {

// What the program had before the look in force began.
// The colours the look in force published, as the library reads them.
struct Colours {
    int fg, bg, mg;
};
Colours published = {};

struct AllegroGui {
    int fg, bg, mg;
    DIALOG_PROC shadow_box, ctext, button, edit, list, text_list;
};
AllegroGui saved = {};
bool hooks_pointed = false;  // the look was begun by use_theme

// Allegro's menu-drawing hooks: a look sets its own in init and clears them
// in shutdown, which would lose those the program had set before. What the
// look set is remembered, so a hook the program points elsewhere while the
// look runs stays the program's.
struct MenuHooks {
    decltype(gui_menu_draw_menu) menu;
    decltype(gui_menu_draw_menu_item) item;
    static MenuHooks now() { return MenuHooks{gui_menu_draw_menu, gui_menu_draw_menu_item}; }
};
MenuHooks program_menu = {};
MenuHooks look_menu = {};

// Runs the init of the look in force (its own or its base's), keeping the
// program's menu hooks to put back, and finds the images it draws with.
void init_look(void)
{
    forget_cached_colours();  // a new depth or palette may have come since
    forget_seen_cues();
    program_menu = MenuHooks::now();
    resolve_look_in_force();
    if (look_resolved.init) look_resolved.init();
    look_menu = MenuHooks::now();
    find_images_in_force();
}

// Runs the shutdown of the look in force and puts back the menu hooks it
// replaced.
void shut_look(void)
{
    drop_images_in_force();
    const MenuHooks before = MenuHooks::now();
    if (look_resolved.shutdown) look_resolved.shutdown();
    gui_menu_draw_menu = before.menu == look_menu.menu ? program_menu.menu : before.menu;
    gui_menu_draw_menu_item = before.item == look_menu.item ? program_menu.item : before.item;
}

// Reads the look's cells and publishes them; an unset cell publishes 0
// rather than crashing. A look may repoint its cells in init (the stock
// look does), so they are read only afterwards.
void publish_colours(void)
{
    // An init may point the cells (the stock look's does): resolve afresh.
    resolve_look_in_force();
    const Theme &theme = look_resolved;
    published.fg = theme.fg_color ? *theme.fg_color : 0;
    published.bg = theme.bg_color ? *theme.bg_color : 0;
    published.mg = theme.mg_color ? *theme.mg_color : 0;
    publish_theme_colours(published.fg, published.bg, published.mg);
}

void begin_look(Theme *theme)
{
    saved.fg = gui_fg_color;
    saved.bg = gui_bg_color;
    saved.mg = gui_mg_color;
    look_in_force = theme;
    publish_current_theme(theme);
    init_look();
    publish_colours();
}

void publish_into_allegro(void)
{
    gui_fg_color = published.fg;
    gui_bg_color = published.bg;
    gui_mg_color = published.mg;
}

// A hook the program repointed after use_theme is its own choice and stays.
void put_back_hook(DIALOG_PROC *hook, DIALOG_PROC forwarder, DIALOG_PROC before)
{
    if (*hook == forwarder) *hook = before;
}

void point_hooks(void)
{
    saved.shadow_box = gui_shadow_box_proc;
    saved.ctext = gui_ctext_proc;
    saved.button = gui_button_proc;
    saved.edit = gui_edit_proc;
    saved.list = gui_list_proc;
    saved.text_list = gui_text_list_proc;
    gui_shadow_box_proc = theme_shadow_box_proc;
    gui_ctext_proc = theme_ctext_proc;
    gui_button_proc = theme_button_proc;
    gui_edit_proc = theme_edit_proc;
    gui_list_proc = theme_list_proc;
    gui_text_list_proc = theme_text_list_proc;
    hooks_pointed = true;
}

void put_back_hooks(void)
{
    if (!hooks_pointed) return;
    put_back_hook(&gui_shadow_box_proc, theme_shadow_box_proc, saved.shadow_box);
    put_back_hook(&gui_ctext_proc, theme_ctext_proc, saved.ctext);
    put_back_hook(&gui_button_proc, theme_button_proc, saved.button);
    put_back_hook(&gui_edit_proc, theme_edit_proc, saved.edit);
    put_back_hook(&gui_list_proc, theme_list_proc, saved.list);
    put_back_hook(&gui_text_list_proc, theme_text_list_proc, saved.text_list);
    hooks_pointed = false;
}

// The looks compute their colours with makecol for the screen they will
// draw on; without one they would compute them for a mode that never comes.
bool graphics_mode_set(void)
{
    return gui_get_screen() != nullptr;
}

}  // namespace

void init_theme(Theme *theme)
{
    // Refused as use_theme refuses: the look in force stays.
    if (theme && !graphics_mode_set()) return;
    shutdown_theme();
    if (theme) begin_look(theme);
}

void shutdown_theme(void)
{
    if (!look_in_force) return;
    shut_look();
    look_in_force = nullptr;
    resolve_look_in_force();
    find_images_in_force();
    publish_current_theme(nullptr);
    gui_bg_color = saved.bg;
    gui_mg_color = saved.mg;
    gui_fg_color = saved.fg;
    put_back_hooks();
}

int use_theme(Theme *theme)
{
    if (!theme) return THEME_ERR_NULL;
    if (!graphics_mode_set()) return THEME_ERR_NO_SCREEN;
    shutdown_theme();
    begin_look(theme);
    publish_into_allegro();
    point_hooks();
    return THEME_OK;
}

int use_theme_named(const char *name)
{
    Theme *theme = find_theme(name);
    if (!theme) return name ? THEME_ERR_NOT_FOUND : THEME_ERR_NAME;
    return use_theme(theme);
}

void stop_theme(void)
{
    shutdown_theme();
}

int rebuild_theme(void)
{
    if (!look_in_force) return THEME_OK;
    if (!graphics_mode_set()) return THEME_ERR_NO_SCREEN;
    const MenuHooks program = program_menu;
    shut_look();
    init_look();
    program_menu = program;
    publish_colours();
    if (hooks_pointed) publish_into_allegro();
    return THEME_OK;
}
