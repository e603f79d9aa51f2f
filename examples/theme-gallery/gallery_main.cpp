// theme-gallery: every widget of the layer in one dialog, drawn in the
// current look: the built-in ones and the example look "JollyRoger"
// (examples/custom-look). F1-F8 pick a look, PgUp/PgDn cycle, the menu and
// the push button switch too, ESC quits.
//
//   theme-gallery                  live, in a 640x480 window
//   theme-gallery --screenshot DIR one image per registered look, then exit
//                                  (no window; under xvfb-run every look
//                                  is drawn, without a display the looks
//                                  that need a timer are skipped)
//   theme-gallery --big-font ...   either of the above with a 16-pixel font
//                                  (Allegro's own, doubled): the looks'
//                                  check boxes, radio buttons, title bars,
//                                  rows and fields grow with it
//   theme-gallery --look FILE ...  a look file's look too (the option may
//                                  come more than once)
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gallery_dialog.h"
#include "gallery_looks.h"
#include "gallery_screenshots.h"
#include "jolly_roger.h"
#include "widgets/theme.h"
#include "widgets/looks/shared/text.h"

static const int GALLERY_W = 640;
static const int GALLERY_H = 480;

static bool big_font = false;

// Problems of a look file named with --look, one line each.
static void report_look_problem(void *file, int line, const char *key, int, const char *message)
{
    std::fprintf(stderr, "%s:%d: %s: %s\n", static_cast<const char *>(file), line, key, message);
}

static void usage(void)
{
    std::fprintf(stderr, "usage: theme-gallery [--big-font] [--look FILE.look]... [--screenshot DIR]\n");
}

enum { MAX_LOOK_FILES = 8 };
static const char *look_files[MAX_LOOK_FILES];
static int look_file_count = 0;

// The looks read text_height(font) as they are set up, so the font is
// chosen before the first look; look files' images are loaded in the
// colour depth they will be drawn in.
static void choose_font_and_looks(void)
{
    if (big_font) {
        if (FONT *doubled = scaled_font(font, 2)) font = doubled;
    }
    for (int i = 0; i < look_file_count; ++i) {
        int error = 0;
        if (!load_theme(look_files[i], 0, report_look_problem, const_cast<char *>(look_files[i]), &error) ||
            error != THEME_OK)
            std::fprintf(stderr, "%s: look file not read whole (%d)\n", look_files[i], error);
    }
}

static int run_screenshots(const char *dir)
{
    const bool display = std::getenv("DISPLAY") && allegro_init() == 0;
    if (!display && install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "cannot start Allegro\n");
        return 1;
    }
    const bool have_timer = display && install_timer() == 0;
    set_color_depth(16);
    // With a display, a (hidden-away) window gives the stock procedures the
    // screen size they clip to; the pictures are drawn off screen either way.
    BITMAP *window_screen = nullptr;
    if (display && set_gfx_mode(GFX_AUTODETECT_WINDOWED, GALLERY_W, GALLERY_H, 0, 0) == 0) window_screen = screen;
    BITMAP *canvas = create_bitmap(GALLERY_W, GALLERY_H);
    if (!canvas) {
        std::fprintf(stderr, "out of memory\n");
        return 1;
    }
    screen = canvas;
    choose_font_and_looks();
    gallery_default_gui_colours();
    const int written = write_gallery_screenshots(dir, have_timer);
    screen = window_screen;
    destroy_bitmap(canvas);
    return written > 0 ? 0 : 1;
}

static int run_live(void)
{
    if (allegro_init() != 0) {
        std::fprintf(stderr, "cannot start Allegro: %s\n", allegro_error);
        return 1;
    }
    install_timer();
    install_keyboard();
    install_mouse();
    set_color_depth(16);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, GALLERY_W, GALLERY_H, 0, 0) != 0) {
        set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
        allegro_message("Cannot open a %dx%d window: %s\n", GALLERY_W, GALLERY_H, allegro_error);
        return 1;
    }
    choose_font_and_looks();
    gallery_default_gui_colours();
    const GalleryLooks looks = registered_looks();
    if (looks.count == 0) {
        allegro_message("No look is registered.\n");
        return 1;
    }
    DIALOG *rows = gallery_dialog();
    gallery_use_look(looks.looks[0]);
    gallery_show_look_name(looks.looks[0]->name);
    do_dialog(rows, gallery_edit_row());
    shutdown_theme();
    gallery_release();
    return 0;
}

int main(int argc, char **argv)
{
    register_jolly_roger();
    if (argc > 1 && std::strcmp(argv[1], "--big-font") == 0) {
        big_font = true;
        --argc;
        ++argv;
    }
    while (argc > 2 && std::strcmp(argv[1], "--look") == 0 && look_file_count < MAX_LOOK_FILES) {
        look_files[look_file_count++] = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0) return run_screenshots(argv[2]);
    if (argc != 1) {
        usage();
        return 2;
    }
    return run_live();
}
END_OF_MAIN()
