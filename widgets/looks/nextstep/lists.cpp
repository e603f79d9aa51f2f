// The "NeXTStep" look's list, text list and text box. They draw on MSG_DRAW
// and leave selection and scrolling to Allegro's stock procedures.
#include "widgets/looks/nextstep/look.h"

namespace {

// The item under the selection mark (d1) is black on white, even when dp2
// marks it too; other marked items are white on dark; the rest black on grey.
void nextstep_row_colours(DIALOG *d, int item, int *fg, int *bg)
{
    const char *marks = static_cast<const char *>(d->dp2);
    *fg = nextstep_colour(NX_BLACK);
    *bg = nextstep_colour(NX_GREY);
    if (item == d->d1) {
        *bg = nextstep_colour(NX_WHITE);
    } else if (marks && marks[item]) {
        *fg = nextstep_colour(NX_WHITE);
        *bg = nextstep_colour(NX_DARK);
    }
}

void draw_list(DIALOG *d)
{
    ListStyle style;
    style.row_colours = nextstep_row_colours;
    style.empty_colour = nextstep_colour(NX_GREY);
    style.right_inset_bar = 14;
    style.right_inset_plain = 3;
    style.limit_bar = 23;
    style.limit_plain = 11;
    const ListLayout layout = list_draw_rows(d, style);
    nextstep_list_frame(d, layout.count, d->d2, layout.visible);
}

}  // namespace

int nextstep_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_list_proc(msg, d, c);
    draw_list(d);
    return D_O_K;
}

int nextstep_text_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_text_list_proc(msg, d, c);
    draw_list(d);
    return D_O_K;
}

int nextstep_textbox_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_textbox_proc(msg, d, c);
    TextBoxStyle style;
    style.fg = nextstep_colour(NX_BLACK);
    style.disabled = nextstep_colour(NX_DISABLED);  // Allegro's text box picks it for D_DISABLED
    style.bg = nextstep_colour(NX_WHITE);
    style.bar_when_fits = 0;
    style.bar_when_scrolls = 11;
    const int visible = textbox_draw_text(d, style);
    nextstep_list_frame(d, d->d1, d->d2, visible);
    return D_O_K;
}
