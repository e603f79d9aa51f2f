// The "ASE" edit field: a sunken gradient well whose editing logic runs on
// a field 6 pixels narrower than the row, and whose caret is a reversed
// character cell.
#include "widgets/looks/ase/look.h"

// Allegro's editing logic sees the row narrowed by this much; D_INTERNAL on
// the row marks that the narrowing is in force.
enum { ASE_EDIT_MARGIN = 6 };

static void ase_edit_draw(DIALOG *d)
{
    edit_draw_unshift(d);
    // Allegro's logic may have left the row narrowed (D_INTERNAL): draw at
    // full width. Measuring back from the caret on the narrowed field is
    // the layer's walk on the full one, whose margin is those 6 pixels.
    const bool narrowed = (d->flags & D_INTERNAL) != 0;
    if (narrowed) d->w += ASE_EDIT_MARGIN;
    const EditSpan span = edit_visible_span(d);

    const int text_colour = (d->flags & D_DISABLED) ? ase_mg_color : d->fg;
    const char *text = d->dp ? static_cast<const char *>(d->dp) : "";
    const int x = d->x, y = d->y, w = d->w, h = d->h;
    const int x2 = x + w - 1, y2 = y + h - 1;
    ase_bevel_lines(x, y, x2, y2, ase_colour(ASE_P_TEXT), ase_colour(ASE_P_LIGHT));
    ase_bevel_lines(x + 1, y + 1, x + w - 2, y + h - 2, ase_colour(ASE_P_DIM), ase_colour(ASE_P_DOT_DIM));
    ase_gradient(x + 2, y + 2, x + w - 3, y + h - 3, ase_rgb[(d->flags & D_DISABLED) ? ASE_P_DIM : ASE_P_FOCUS],
                 ase_rgb[ASE_P_LIGHT]);

    const int ty = y + h / 2 - text_height(font) / 2;
    int tx = 3;
    for (int p = span.first; p <= span.last; p++) {
        char cell[16];
        const int cw = edit_char_cell(text, p, true, cell);
        if (tx + cw > w - 2) break;
        int old_mode;
        if (p == d->d2 && (d->flags & D_GOTFOCUS)) {
            // The caret: a solid block with the character reversed out.
            old_mode = theme_text_mode(text_colour);
            textout_ex(gui_get_screen(), font, cell, x + tx, ty, d->bg, _textmode);
        } else {
            old_mode = theme_text_mode(-1);
            textout_ex(gui_get_screen(), font, cell, x + tx, ty, text_colour, _textmode);
        }
        theme_text_mode(old_mode);
        tx += cw;
    }

    if (narrowed) d->w -= ASE_EDIT_MARGIN;
    edit_draw_reshift(d);
}

int ase_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg == MSG_DRAW) {
        ase_edit_draw(d);
        return D_O_K;
    }
    if (msg == MSG_START) {
        const int min_h = text_height(font) + 6;
        if (d->h < min_h) d->h = min_h;
    }
    // Only the narrowing bit is ours: whatever Allegro's logic does to the
    // other flags stays, and the bit itself is put back as it was.
    const int had_internal = d->flags & D_INTERNAL;
    d->w -= ASE_EDIT_MARGIN;
    d->flags |= D_INTERNAL;
    const int result = shifted_edit_proc(msg, d, c);
    d->flags = (d->flags & ~D_INTERNAL) | had_internal;
    d->w += ASE_EDIT_MARGIN;
    return result;
}
