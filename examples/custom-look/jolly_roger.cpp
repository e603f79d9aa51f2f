// A look built the way any program builds one: copy a built-in record, keep
// its set-up, and answer MSG_DRAW in the replaced slots while every other
// message goes to the slot it replaced, so the widgets behave as before.
#include "jolly_roger.h"

static Theme record;
static Theme base;  // the "GTK" record as it was copied
static bool made = false;

static int face = 0;     // button face
static int pressed = 0;  // button face while held down
static int edge = 0;     // rope edge and label
static int dim = 0;      // label of a disabled widget
static int cross = 0;    // the check box's mark

static void jolly_init(void)
{
    if (base.init) base.init();
    face = makecol(24, 24, 24);
    pressed = makecol(96, 16, 16);
    edge = makecol(232, 220, 188);
    dim = makecol(128, 120, 104);
    cross = makecol(208, 32, 32);
}

static void jolly_shutdown(void)
{
    if (base.shutdown) base.shutdown();
}

// d: dp the caption. A black plank with a doubled bone edge; red while held.
static void draw_button(DIALOG *d)
{
    // Where the dialogs run: `screen`, or the program's gui_set_screen buffer.
    BITMAP *bmp = gui_get_screen();
    const int x2 = d->x + d->w - 1;
    const int y2 = d->y + d->h - 1;
    rectfill(bmp, d->x, d->y, x2, y2, (d->flags & D_SELECTED) ? pressed : face);
    rect(bmp, d->x, d->y, x2, y2, edge);
    rect(bmp, d->x + 2, d->y + 2, x2 - 2, y2 - 2, edge);
    if (d->flags & D_GOTFOCUS) rect(bmp, d->x + 1, d->y + 1, x2 - 1, y2 - 1, cross);
    if (d->dp) {
        const int colour = (d->flags & D_DISABLED) ? dim : edge;
        const int ty = d->y + (d->h - text_height(font)) / 2;
        gui_textout_ex(bmp, static_cast<const char *>(d->dp), d->x + d->w / 2, ty, colour, -1, TRUE);
    }
}

static int jolly_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return base.button_proc(msg, d, c);
    draw_button(d);
    return D_O_K;
}

// The push rule (D_EXIT, the dp3 callback) stays the base look's; only the
// drawing it asks for through the forwarder comes here.
static int jolly_push_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return base.push_proc(msg, d, c);
    draw_button(d);
    return D_O_K;
}

// d: dp the label, drawn right of a 12-pixel box; a red cross when selected.
static int jolly_check_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return base.check_proc(msg, d, c);
    BITMAP *bmp = gui_get_screen();
    const int bg = current_theme && current_theme->bg_color ? *current_theme->bg_color : 0;
    const int fg = current_theme && current_theme->fg_color ? *current_theme->fg_color : edge;
    rectfill(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, bg);
    const int bx = d->x;
    const int by = d->y + (d->h - 12) / 2;
    rectfill(bmp, bx, by, bx + 11, by + 11, face);
    rect(bmp, bx, by, bx + 11, by + 11, edge);
    if (d->flags & D_SELECTED) {
        for (int i = 0; i < 2; ++i) {
            line(bmp, bx + 2 + i, by + 2, bx + 9 + i, by + 9, cross);
            line(bmp, bx + 9 + i, by + 2, bx + 2 + i, by + 9, cross);
        }
    }
    if (d->dp) {
        const int colour = (d->flags & D_DISABLED) ? dim : fg;
        const int ty = d->y + (d->h - text_height(font)) / 2;
        gui_textout_ex(bmp, static_cast<const char *>(d->dp), bx + 16, ty, colour, bg, FALSE);
    }
    return D_O_K;
}

Theme *jolly_roger_theme(void)
{
    if (made) return &record;
    made = true;
    base = *theme_gtk;
    record = base;
    record.name = "JollyRoger";
    record.init = jolly_init;
    record.shutdown = jolly_shutdown;
    record.button_proc = jolly_button_proc;
    record.push_proc = jolly_push_proc;
    record.check_proc = jolly_check_proc;
    return &record;
}

int register_jolly_roger(void)
{
    return register_theme(jolly_roger_theme());
}

int jolly_roger_button_face(void)
{
    return face;
}
int jolly_roger_button_edge(void)
{
    return edge;
}
