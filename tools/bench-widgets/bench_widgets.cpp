// bench-widgets: how long one full redraw of the gallery dialog takes in
// every registered look, next to Allegro's stock look drawing the same rows
// in the same run, at every colour depth (8, 15, 16, 24 and 32 bits per
// pixel). Draws into a 640x480 memory bitmap of that depth and prints the
// median over many redraws, and each look's ratio to the stock look's.
//
// The dialog is drawn without its full-screen clear row: that row is one
// rectangle fill in every look, costs about as much as all the others
// together, and says nothing about a look's own drawing. At 8 bits the
// palette is Allegro's default one and no colour map (rgb_map) is set, as
// in a program that never made one, so a look finding its colours per line
// or per pixel shows here.
//
//   bench-widgets [REDRAWS]      default 1000 per look, depth and run
#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "gallery_dialog.h"
#include "gallery_looks.h"

namespace {

double median_redraw_us(Theme *theme, DIALOG *rows, int redraws)
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
    return samples[samples.size() / 2];
}

}  // namespace

int main(int argc, char **argv)
{
    const int redraws = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (redraws <= 0) {
        std::fprintf(stderr, "usage: bench-widgets [REDRAWS]\n");
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 1;
    Theme *stock = find_theme("Allegro");
    if (!stock) {
        std::fprintf(stderr, "the Allegro look is not registered\n");
        return 1;
    }
    std::printf("gallery dialog without its clear row, 640x480 memory bitmap, median of %d redraws, best of two runs\n",
                redraws);
    std::printf("%-10s", "look");
    const int depths[] = {8, 15, 16, 24, 32};
    for (int depth : depths) std::printf("  %2d bpp: us  ratio", depth);
    std::printf("\n");

    const int looks = theme_count();
    std::vector<std::vector<double>> times(looks);
    double worst = 0;
    for (int depth : depths) {
        set_color_depth(depth);
        if (depth == 8) select_palette(default_palette);
        BITMAP *canvas = create_bitmap_ex(depth, 640, 480);
        if (!canvas) return 1;
        screen = canvas;
        gallery_default_gui_colours();
        DIALOG *rows = gallery_dialog();
        rows[GALLERY_ROW_CLEAR].flags = D_HIDDEN;
        // Two alternating runs, so drift in the machine's speed hits every look alike.
        std::vector<double> best(looks, 1e30);
        for (int run = 0; run < 2; ++run)
            for (int i = 0; i < looks; ++i) best[i] = std::min(best[i], median_redraw_us(theme_at(i), rows, redraws));
        double allegro = 0;
        for (int i = 0; i < looks; ++i)
            if (theme_at(i) == stock) allegro = best[i];
        for (int i = 0; i < looks; ++i) {
            times[i].push_back(best[i]);
            times[i].push_back(best[i] / allegro);
            worst = std::max(worst, best[i] / allegro);
        }
        shutdown_theme();
        gallery_release();
        screen = nullptr;
        destroy_bitmap(canvas);
    }
    for (int i = 0; i < looks; ++i) {
        std::printf("%-10s", theme_at(i)->name);
        for (size_t k = 0; k < times[i].size(); k += 2) std::printf("  %10.1f  %5.2f", times[i][k], times[i][k + 1]);
        std::printf("\n");
    }
    std::printf("slowest look against Allegro's procedures: %.2fx\n", worst);
    return 0;
}
