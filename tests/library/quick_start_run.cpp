// Stands in for do_dialog in the README's quick start (built from the
// README's own text): shows the dialog in the look it starts with, presses
// the "Next look" push button until every registered look has been shown,
// and exits 1 if any look leaves a widget entirely black or a pixel of what
// the screen showed before, the button does
// not reach every look, or a look is still in force when the dialog ends.
#include <allegro.h>
#include <sloopgui/theme.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static int failures = 0;

// Every pixel of the row's rectangle is black: the widget was drawn in
// fg = bg = 0, as rows drawn by Allegro's procedures are without colours.
static bool all_black(const DIALOG *d)
{
    const int black = makecol(0, 0, 0);
    for (int y = d->y; y < d->y + d->h; ++y)
        for (int x = d->x; x < d->x + d->w; ++x)
            if (getpixel(screen, x, y) != black) return false;
    return true;
}

// A colour none of the looks draws with, standing for the last look's pixels.
static const int left_behind_r = 255, left_behind_g = 0, left_behind_b = 255;

static void check_rows(DIALOG *rows, int focus)
{
    const int left_behind = makecol(left_behind_r, left_behind_g, left_behind_b);
    clear_to_color(screen, left_behind);
    DIALOG_PLAYER *player = init_dialog(rows, focus);
    update_dialog(player);  // the first turn draws every row
    // After a switch nothing of what was on the screen may show through.
    int kept = 0;
    for (int y = 0; y < SCREEN_H; ++y)
        for (int x = 0; x < SCREEN_W; ++x)
            if (getpixel(screen, x, y) == left_behind) ++kept;
    if (kept) {
        std::printf("FAIL %s: %d pixels of the last look left behind the dialog\n", current_theme->name, kept);
        ++failures;
    }
    for (DIALOG *d = rows; d->proc; ++d)
        if (all_black(d)) {
            std::printf("FAIL %s: row %d is black\n", current_theme->name, static_cast<int>(d - rows));
            ++failures;
        }
    shutdown_dialog(player);
}

static bool seen_before(const char *const *seen, int count, const char *name)
{
    for (int i = 0; i < count; ++i)
        if (std::strcmp(seen[i], name) == 0) return true;
    return false;
}

// C linkage: the quick start sees it through Allegro's declaration of do_dialog.
extern "C" int quick_start_dialog(DIALOG *rows, int focus)
{
    DIALOG *push = nullptr;
    for (DIALOG *d = rows; d->proc; ++d)
        if (d->proc == theme_push_proc) push = d;
    const int looks = theme_count();
    const char *seen[SLOOPGUI_REGISTRY_CAPACITY] = {};
    int count = 0;
    for (int i = 0; i < looks && push && current_theme; ++i) {
        std::printf("%s\n", current_theme->name);
        if (!seen_before(seen, count, current_theme->name)) seen[count++] = current_theme->name;
        check_rows(rows, focus);
        object_message(push, MSG_KEY, 0);  // what Enter on the button does
    }
    if (count != looks) {
        std::printf("FAIL: the \"Next look\" button showed %d of %d looks\n", count, looks);
        ++failures;
    }
    std::atexit([] {
        if (current_theme) {
            std::printf("FAIL: a look is still in force at exit\n");
            ++failures;
        }
        std::fflush(stdout);
        if (failures) std::_Exit(1);
        std::printf("quick start: every look shown, no widget black\n");
    });
    return -1;
}
