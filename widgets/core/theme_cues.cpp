#include "widgets/core/theme_cues.h"

#include <algorithm>
#include <cstring>

#include "widgets/style/look_params.h"
#include "widgets/core/dotted_rect.h"
#include "widgets/theme.h"

namespace {

int program_wants_cues = 0;

// Widgets the look in force was seen cueing itself, so a look whose cue
// comes and goes (a blinking caret) is not given a second one in between.
struct Seen {
    ThemeDialogProc proc;
    int flag;
};
enum { SEEN_CAPACITY = 64 };
Seen seen[SEEN_CAPACITY];
int seen_count = 0;

bool seen_cueing(ThemeDialogProc proc, int flag)
{
    for (int i = 0; i < seen_count; ++i)
        if (seen[i].proc == proc && seen[i].flag == flag) return true;
    return false;
}

// The row drawn alone at (1, 1) of `scratch` (shifted as it is on the
// screen by dx, dy) with the given flags.
void draw_alone(ThemeDialogProc proc, const DIALOG *d, int c, int flags, int dx, int dy, BITMAP *scratch)
{
    clear_to_color(scratch, bitmap_mask_color(scratch));
    DIALOG copy = *d;
    copy.x = 1 + dx;
    copy.y = 1 + dy;
    copy.flags = flags;
    gui_set_screen(scratch);
    proc(MSG_DRAW, &copy, c);
}

bool same_pixels(BITMAP *a, BITMAP *b)
{
    const int bytes = a->w * ((bitmap_color_depth(a) + 7) / 8);
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(a->line[y], b->line[y], bytes) != 0) return false;
    return true;
}

// Whether the look changes any pixel of the row for `flag`: the row is
// drawn with and without it off the screen and the two compared.
bool look_cues_itself(ThemeDialogProc proc, const DIALOG *d, int c, int dx, int dy, int flag)
{
    if (seen_cueing(proc, flag)) return true;
    BITMAP *target = gui_get_screen();
    // An edit field may be drawn taller than its row (the font decides).
    const int w = std::min(d->w, 2048) + 2, h = std::min(d->h, 2048) + 10;
    BITMAP *with = create_bitmap_ex(bitmap_color_depth(target), w, h);
    BITMAP *without = create_bitmap_ex(bitmap_color_depth(target), w, h);
    bool differs = true;  // without room to look, the look is left as it is
    if (with && without) {
        draw_alone(proc, d, c, d->flags | flag, dx, dy, with);
        draw_alone(proc, d, c, d->flags & ~flag, dx, dy, without);
        gui_set_screen(target == screen ? nullptr : target);
        differs = !same_pixels(with, without);
    }
    if (with) destroy_bitmap(with);
    if (without) destroy_bitmap(without);
    if (differs && seen_count < SEEN_CAPACITY) seen[seen_count++] = Seen{proc, flag};
    return differs;
}

int look_colour(int *Theme::*cell, int allegro)
{
    return look_in_force && look_in_force->*cell ? *(look_in_force->*cell) : allegro;
}

// A dotted outline one pixel inside the row, in the look's text and face colours.
void draw_focus_cue(int x, int y, int w, int h)
{
    const int inset = (w > 4 && h > 4) ? 1 : 0;
    dotted_rect_outline(x + inset, y + inset, x + w - 1 - inset, y + h - 1 - inset,
                        look_colour(&Theme::fg_color, gui_fg_color), look_colour(&Theme::bg_color, gui_bg_color));
}

// Every other pixel of the row in the look's face colour.
void draw_disabled_cue(int x, int y, int w, int h)
{
    BITMAP *bmp = gui_get_screen();
    BITMAP *checker = create_bitmap_ex(bitmap_color_depth(bmp), 2, 2);
    if (!checker) return;
    const int mask = bitmap_mask_color(checker);
    putpixel(checker, 0, 0, mask);
    putpixel(checker, 1, 1, mask);
    putpixel(checker, 1, 0, mask ^ 1);
    putpixel(checker, 0, 1, mask ^ 1);
    drawing_mode(DRAW_MODE_MASKED_PATTERN, checker, 0, 0);
    rectfill(bmp, x, y, x + w - 1, y + h - 1, look_colour(&Theme::bg_color, gui_bg_color));
    solid_mode();
    destroy_bitmap(checker);
}

}  // namespace

void set_theme_cues(int on)
{
    program_wants_cues = on ? 1 : 0;
}

int get_theme_cues(void)
{
    return program_wants_cues;
}

bool theme_cues_wanted(void)
{
    return program_wants_cues || look_wants_focus_cues();
}

void draw_missing_cues(ThemeDialogProc proc, DIALOG *d, int c, int left, int top)
{
    const int dx = d->x - left, dy = d->y - top;
    const bool focus = (d->flags & D_GOTFOCUS) && !look_cues_itself(proc, d, c, dx, dy, D_GOTFOCUS);
    const bool disabled = (d->flags & D_DISABLED) && !look_cues_itself(proc, d, c, dx, dy, D_DISABLED);
    if (disabled) draw_disabled_cue(left, top, d->w, d->h);
    if (focus) draw_focus_cue(left, top, d->w, d->h);
}

void forget_seen_cues(void)
{
    seen_count = 0;
}
