#include "widgets/core/odd_rows.h"

#include <algorithm>

#include "widgets/theme.h"

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

// Allegro's slider works in 16.16 fixed point: its thumb travels the row
// less the handle (7 pixels, or the handle bitmap in dp), and one step of
// the value must move the thumb by at least 1/65536 of a pixel. Past that
// (a range of billions, or a row longer than 32767 pixels) its ratio is 0:
// the thumb never moves, and a key press steps through every value
// looking for the next pixel.
struct SliderTravel {
    bool vertical;
    long long pixels;
};

SliderTravel slider_travel(const DIALOG *d)
{
    const bool vertical = !(d->h < d->w);
    int handle = 7;
    if (d->dp) handle = vertical ? static_cast<BITMAP *>(d->dp)->h : static_cast<BITMAP *>(d->dp)->w;
    return SliderTravel{vertical, static_cast<long long>(vertical ? d->h : d->w) - handle};
}

bool slider_resolves(const DIALOG *d)
{
    const long long pixels = slider_travel(d).pixels;
    return pixels <= 32767 && (pixels * 65536) / d->d1 != 0;
}

// A key on a slider Allegro cannot resolve: its keys, with one step the
// value one pixel of travel is worth.
int slider_key(DIALOG *d, int c)
{
    const SliderTravel travel = slider_travel(d);
    const long long max = d->d1, value = MID(0, d->d2, d->d1);
    const long long step = std::max(1LL, max / std::max(1LL, travel.pixels));
    const int key = c >> 8;
    long long delta = 0;
    if (key == (travel.vertical ? KEY_UP : KEY_RIGHT)) delta = step;
    if (key == (travel.vertical ? KEY_DOWN : KEY_LEFT)) delta = -step;
    if (key == (travel.vertical ? KEY_PGUP : KEY_PGDN)) delta = max / 16;
    if (key == (travel.vertical ? KEY_PGDN : KEY_PGUP)) delta = -max / 16;
    if (key == (travel.vertical ? KEY_END : KEY_HOME)) delta = -value;
    if (key == (travel.vertical ? KEY_HOME : KEY_END)) delta = max - value;
    if (delta == 0) return D_O_K;
    d->d2 = static_cast<int>(std::clamp(value + delta, 0LL, max));
    int result = D_USED_CHAR;
    if (d->d2 != value) {
        if (d->dp2) result |= reinterpret_cast<int (*)(void *, int)>(d->dp2)(d->dp3, d->d2);
        object_message(d, MSG_DRAW, 0);
    }
    return result;
}

// Drawn or dragged as a slider of one value per pixel of travel; a drag
// reports its end to the program's callback once, in the row's own scale.
int slider_scaled(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c)
{
    const long long pixels = std::max(1LL, std::min(32767LL, slider_travel(d).pixels));
    DIALOG copy = *d;
    copy.d1 = static_cast<int>(pixels);
    copy.d2 = static_cast<int>(MID(0, d->d2, d->d1) * pixels / d->d1);
    copy.dp2 = nullptr;
    const int shown = copy.d2;
    int result = call(proc, msg, &copy, c);
    d->flags = copy.flags;
    if (copy.d2 != shown) {
        d->d2 = static_cast<int>(static_cast<long long>(copy.d2) * d->d1 / pixels);
        if (d->dp2) result |= reinterpret_cast<int (*)(void *, int)>(d->dp2)(d->dp3, d->d2);
    }
    return result;
}

}  // namespace

int slider_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c)
{
    const bool has_range = d->d1 > 0;
    if (has_range && !slider_resolves(d)) {
        if (msg == MSG_CHAR) return slider_key(d, c);
        if (msg == MSG_DRAW || msg == MSG_CLICK) return slider_scaled(call, proc, msg, d, c);
    }
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

int label_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c)
{
    if (d->dp) return call(proc, msg, d, c);
    // Allegro's own procedures print dp, or draw it as the icon's bitmap,
    // without looking; the drawn looks show such a row without its label or
    // image, and an icon without one is a plain button, as Allegro draws it.
    if (proc == d_icon_proc) return with_dp(call, d_button_proc, msg, d, c, no_text);
    if (proc == d_button_proc || proc == d_check_proc || proc == d_radio_proc || proc == stock_push_proc)
        return with_dp(call, proc, msg, d, c, no_text);
    return call(proc, msg, d, c);
}

int edit_row(RowCall call, ThemeDialogProc proc, int msg, DIALOG *d, int c)
{
    if (d->dp) return call(proc, msg, d, c);
    // Allegro's editing logic measures and writes dp: without a buffer the
    // field is empty and takes no characters.
    char nothing[1] = "";
    DIALOG copy = *d;
    copy.dp = nothing;
    copy.d1 = 0;
    const int result = call(proc, msg, &copy, c);
    copy.dp = d->dp;
    copy.d1 = d->d1;
    *d = copy;
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
