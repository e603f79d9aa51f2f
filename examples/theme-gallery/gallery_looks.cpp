#include "gallery_looks.h"

GalleryLooks registered_looks(void)
{
    GalleryLooks result{};
    for (int i = 0; i < theme_count() && result.count < GALLERY_MAX_LOOKS; ++i)
        if (Theme *theme = theme_at(i)) result.looks[result.count++] = theme;
    return result;
}

void gallery_default_gui_colours(void)
{
    gui_fg_color = makecol(0, 0, 0);
    gui_bg_color = makecol(255, 255, 255);
    gui_mg_color = makecol(128, 128, 128);
}

void gallery_use_look(Theme *theme)
{
    shutdown_theme();
    init_theme(theme);
    gui_fg_color = theme_fg_color;
    gui_bg_color = theme_bg_color;
    gui_mg_color = theme_mg_color;
}
