#include "gallery_screenshots.h"

#include <allegro.h>

#include <cstdio>
#include <cstring>

#include "gallery_dialog.h"
#include "gallery_looks.h"

// The looks that blink their caret with a timer of their own; their set-up
// needs Allegro's timer, which a run without a display does not have.
static bool look_needs_timer(const Theme *theme)
{
    return std::strcmp(theme->name, "Win95") == 0 || std::strcmp(theme->name, "BeOS") == 0;
}

int write_gallery_screenshots(const char *dir, bool have_timer)
{
    const GalleryLooks looks = registered_looks();
    if (looks.count == 0) return 0;
    DIALOG *rows = gallery_dialog();
    // Show the caret: the edit field has the focus in the live gallery too.
    rows[gallery_edit_row()].flags |= D_GOTFOCUS;

    PALETTE palette;
    get_palette(palette);
    int written = 0;
    bool started = false;
    for (int i = 0; i < looks.count; ++i) {
        Theme *theme = looks.looks[i];
        if (!have_timer && look_needs_timer(theme)) {
            std::printf("skipped %s: its caret timer needs a display (run under xvfb-run)\n", theme->name);
            continue;
        }
        gallery_use_look(theme);
        gallery_show_look_name(theme->name);
        if (!started) {
            gallery_start(rows);  // once, as when a dialog opens
            started = true;
        }
        clear_to_color(screen, gui_bg_color);  // in case the look's clear cannot reach the screen
        gallery_draw(rows);
        gallery_draw_open_menu();

        char path[1024];
        std::snprintf(path, sizeof path, "%s/%s.bmp", dir, theme->name);
        if (save_bitmap(path, screen, palette) != 0) {
            std::fprintf(stderr, "cannot write %s\n", path);
            written = -1;
            break;
        }
        std::printf("%s\n", path);
        ++written;
    }
    if (started) gallery_end(rows);
    shutdown_theme();
    gallery_release();
    return written;
}
