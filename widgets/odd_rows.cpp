#include "widgets/odd_rows.h"

namespace {

char *no_items(int index, int *count)
{
    if (index < 0) *count = 0;
    return nullptr;
}

char no_text[] = "";

// Allegro's text box wraps within the row less its margins and scroll bar
// (19 pixels for the stock look, 18 for the drawn ones). A look of the
// program's own gets a few pixels more of slack.
const int TEXTBOX_FRAME_ROOM = 24;

int widest_character(const char *text)
{
    int widest = 0;
    char one[8];
    for (int ch; (ch = ugetxc(&text)) != 0;) {
        usetc(one + usetc(one, ch), 0);
        const int w = text_length(font, one);
        if (w > widest) widest = w;
    }
    return widest;
}

// Runs `proc` on a copy of the row whose dp is `shown`, then gives the
// program's row everything the widget changed but its own dp.
int with_dp(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c, void *shown)
{
    DIALOG copy = *d;
    copy.dp = shown;
    const int result = call(proc, msg, &copy, c);
    copy.dp = d->dp;
    *d = copy;
    return result;
}

}  // namespace

int slider_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c)
{
    const bool has_range = d->d1 > 0;
    if (has_range && d->d2 >= 0 && d->d2 <= d->d1) return call(proc, msg, d, c);
    if (has_range && msg != MSG_DRAW) return call(proc, msg, d, c);  // Allegro's keys clamp d2 themselves
    // Without a range there is nothing to move: input is not taken, and
    // Allegro's procedure (which divides by d1) sees a one-step slider at 0.
    if (!has_range && (msg == MSG_CHAR || msg == MSG_CLICK || msg == MSG_WHEEL || msg == MSG_KEY)) return D_O_K;
    DIALOG copy = *d;
    copy.d1 = has_range ? d->d1 : 1;
    copy.d2 = has_range ? MID(0, d->d2, d->d1) : 0;
    const int result = call(proc, msg, &copy, c);
    d->flags = copy.flags;
    return result;
}

int list_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c)
{
    if (d->dp) return call(proc, msg, d, c);
    return with_dp(call, proc, msg, d, c, reinterpret_cast<void *>(no_items));
}

int textbox_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c)
{
    // Idle messages come on every turn of the dialog loop and lay nothing out.
    if (msg == MSG_IDLE) return call(proc, msg, d, c);
    const char *text = static_cast<const char *>(d->dp);
    if (text && d->w >= widest_character(text) + TEXTBOX_FRAME_ROOM) return call(proc, msg, d, c);
    return with_dp(call, proc, msg, d, c, no_text);
}
