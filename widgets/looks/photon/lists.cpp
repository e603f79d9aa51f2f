// The "Photon" look's list, text list and text box. They draw on MSG_DRAW
// and leave selection and scrolling to Allegro's stock procedures.
#include "widgets/looks/photon/look.h"

namespace {

// Selected rows are near-white on a grey green; the rest black on near-white.
void photon_row_colours(DIALOG *d, int item, int *fg, int *bg)
{
    const bool selected = list_item_selected(d, item);
    *fg = photon_colour(selected ? PH_LIST_BG : PH_BLACK);
    *bg = photon_colour(selected ? PH_LIST_SELECT : PH_LIST_BG);
}

void draw_list(DIALOG *d)
{
    ListStyle style;
    style.row_colours = photon_row_colours;
    style.empty_colour = photon_colour(PH_LIST_BG);
    style.right_inset_bar = 14;
    style.right_inset_plain = 3;
    style.limit_bar = 23;
    style.limit_plain = 11;
    const ListLayout layout = list_draw_rows(d, style);
    photon_list_frame(d, layout.count, d->d2, layout.visible);
}

}  // namespace

int photon_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_list_proc(msg, d, c);
    draw_list(d);
    return D_O_K;
}

int photon_text_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_text_list_proc(msg, d, c);
    draw_list(d);
    return D_O_K;
}

int photon_textbox_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_textbox_proc(msg, d, c);
    TextBoxStyle style;
    style.fg = photon_colour(PH_BLACK);
    style.disabled = photon_colour(PH_DISABLED);  // Allegro's text box picks it for D_DISABLED
    style.bg = photon_colour(PH_WHITE);
    style.bar_when_fits = 0;
    style.bar_when_scrolls = 11;
    const int visible = textbox_draw_text(d, style);
    photon_list_frame(d, d->d1, d->d2, visible);
    return D_O_K;
}
