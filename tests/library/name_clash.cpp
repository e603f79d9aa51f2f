// A program whose own globals share names with the library's: internal ones
// (gtk_face, KEY_NORMAL, ThemeRegistry, look_in_force) and, built with
// -DCLASH_PUBLIC, the public current_theme as a variable of another type.
// It must link (the public clash against the shared library only), keep its
// own values, and see every look draw a button, a check box and a slider on
// a memory screen without crashing. Exits 0 when all holds.
#include <allegro.h>
#include <sloopgui/theme.h>

#include <cerrno>
#include <cstdio>

bool program_globals_intact();  // name_clash_globals.cpp

static int failures = 0;

static void expect(bool holds, const char *look, const char *what)
{
    if (holds) return;
    std::printf("FAIL %s: %s\n", look, what);
    ++failures;
}

// Some pixel of the row differs from `blank`.
static bool drew(const DIALOG *d, int blank)
{
    for (int y = d->y; y < d->y + d->h; ++y)
        for (int x = d->x; x < d->x + d->w; ++x)
            if (getpixel(screen, x, y) != blank) return true;
    return false;
}

int main(void)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 1;
    set_color_depth(16);
    screen = create_bitmap_ex(16, 320, 200);
    const int blank = makecol(255, 0, 255);
    // clang-format off
    DIALOG rows[] = {
        {theme_button_proc, 10, 10, 80,  20, 0, 0, 0, 0,          0,  0, (void *)"Hoist", nullptr, nullptr},
        {theme_check_proc,  10, 40, 100, 14, 0, 0, 0, D_SELECTED, 0,  0, (void *)"Armed", nullptr, nullptr},
        {theme_slider_proc, 10, 70, 120, 16, 0, 0, 0, 0,          10, 4, nullptr,         nullptr, nullptr},
        {nullptr,           0,  0,  0,   0,  0, 0, 0, 0,          0,  0, nullptr,         nullptr, nullptr},
    };
    // clang-format on
    const int looks = theme_count();
    expect(looks == 7, "registry", "the seven built-in looks are not all there");
    for (int i = 0; i < looks; ++i) {
        Theme *look = theme_at(i);
        const char *name = look ? look->name : "(none)";
        if (use_theme(look) != THEME_OK) {
            expect(false, name, "use_theme refused");
            continue;
        }
        set_dialog_color(rows, gui_fg_color, gui_bg_color);
        for (DIALOG *d = rows; d->proc; ++d) {
            clear_to_color(screen, blank);
            d->proc(MSG_DRAW, d, 0);
            expect(drew(d, blank), name, "a widget drew nothing");
        }
        stop_theme();
    }
    expect(program_globals_intact(), "program", "the library wrote into the program's own globals");
    if (failures == 0) std::printf("every look drew; the program's globals kept their values\n");
    return failures ? 1 : 0;
}
END_OF_MAIN()
