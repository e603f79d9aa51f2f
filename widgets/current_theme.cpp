// Making a look current and ending it. Allegro's GUI colours are saved on the
// way in and put back on the way out, so a program that tries a look leaves
// its own dialogs as they were.
#include "widgets/theme.h"

Theme *current_theme = nullptr;
int theme_fg_color = 0;
int theme_bg_color = 0;
int theme_mg_color = 0;

static int saved_gui_fg_color = 0;
static int saved_gui_bg_color = 0;
static int saved_gui_mg_color = 0;

void init_theme(Theme *theme)
{
    current_theme = theme;
    if (!theme) return;

    saved_gui_bg_color = gui_bg_color;
    saved_gui_mg_color = gui_mg_color;
    saved_gui_fg_color = gui_fg_color;

    if (theme->init) theme->init();

    // A look may repoint its cells in init (the stock look does), so read them
    // only now; an unset cell publishes 0 rather than crashing.
    theme_fg_color = theme->fg_color ? *theme->fg_color : 0;
    theme_bg_color = theme->bg_color ? *theme->bg_color : 0;
    theme_mg_color = theme->mg_color ? *theme->mg_color : 0;
}

void shutdown_theme(void)
{
    if (!current_theme) return;
    if (current_theme->shutdown) current_theme->shutdown();
    current_theme = nullptr;
    gui_bg_color = saved_gui_bg_color;
    gui_mg_color = saved_gui_mg_color;
    gui_fg_color = saved_gui_fg_color;
}
