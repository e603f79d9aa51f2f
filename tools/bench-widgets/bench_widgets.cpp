// bench-widgets: how long one full redraw of the gallery dialog takes in the
// "GTK" look, next to Allegro's stock look drawing the same rows in the same
// run. Draws into a 640x480 16-bit memory bitmap and prints the median, and
// the spread, over many redraws: of the whole dialog, and of the dialog
// without its full-screen clear row (which dominates both).
//
// Run it under a display (xvfb-run): Allegro's stock clear procedure clips
// itself to the screen mode's size, so without a window it draws nothing
// and the whole-dialog figures would compare unlike work.
//
//   bench-widgets [REDRAWS]      default 2000 per look
#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "gallery_dialog.h"
#include "gallery_looks.h"

struct Timing {
    double median_us;
    double p10_us;
    double p90_us;
};

static Timing time_redraws(Theme *theme, DIALOG *rows, int redraws)
{
    gallery_use_look(theme);
    gallery_show_look_name(theme->name);
    gallery_start(rows);
    for (int i = 0; i < 50; ++i) gallery_draw(rows);  // warm caches first

    std::vector<double> samples;
    samples.reserve(redraws);
    for (int i = 0; i < redraws; ++i) {
        const auto start = std::chrono::steady_clock::now();
        gallery_draw(rows);
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    gallery_end(rows);
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    return Timing{samples[n / 2], samples[n / 10], samples[n * 9 / 10]};
}

int main(int argc, char **argv)
{
    const int redraws = argc > 1 ? std::atoi(argv[1]) : 2000;
    if (redraws <= 0) {
        std::fprintf(stderr, "usage: bench-widgets [REDRAWS]\n");
        return 2;
    }
    const bool display = std::getenv("DISPLAY") && allegro_init() == 0;
    if (!display && install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 1;
    set_color_depth(16);
    BITMAP *window_screen = nullptr;
    if (display && set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) == 0) window_screen = screen;
    BITMAP *canvas = create_bitmap(640, 480);
    if (!canvas) return 1;
    screen = canvas;
    gallery_default_gui_colours();

    Theme *gtk = find_theme("GTK");
    Theme *stock = find_theme("Allegro");
    if (!gtk || !stock) {
        std::fprintf(stderr, "GTK or Allegro look not registered\n");
        return 1;
    }
    DIALOG *rows = gallery_dialog();
    int count = 0;
    while (rows[count].proc) ++count;

    std::printf("gallery dialog: %d rows, 640x480x16 memory bitmap, %d redraws per look and run%s\n", count, redraws,
                window_screen ? "" : " (no window: the stock clear draws nothing)");
    // The best of two alternating runs per look, so drift in the machine's
    // speed hits both alike.
    for (int pass = 0; pass < 2; ++pass) {
        rows[GALLERY_ROW_CLEAR].flags = pass ? D_HIDDEN : 0;
        Timing g = time_redraws(gtk, rows, redraws);
        Timing s = time_redraws(stock, rows, redraws);
        const Timing g2 = time_redraws(gtk, rows, redraws);
        const Timing s2 = time_redraws(stock, rows, redraws);
        if (g2.median_us < g.median_us) g = g2;
        if (s2.median_us < s.median_us) s = s2;
        std::printf("%s\n", pass ? "without the clear row:" : "whole dialog:");
        std::printf("  GTK      median %8.1f us  (p10 %8.1f, p90 %8.1f)\n", g.median_us, g.p10_us, g.p90_us);
        std::printf("  Allegro  median %8.1f us  (p10 %8.1f, p90 %8.1f)\n", s.median_us, s.p10_us, s.p90_us);
        std::printf("  GTK / Allegro: %.2f\n", g.median_us / s.median_us);
    }
    rows[GALLERY_ROW_CLEAR].flags = 0;

    shutdown_theme();
    gallery_release();
    screen = window_screen;  // Allegro closes the window through `screen`
    destroy_bitmap(canvas);
    return 0;
}
