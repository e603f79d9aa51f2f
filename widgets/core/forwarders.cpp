// The procedures that dialog rows name. Each looks the current look up on
// every message, so switching looks restyles a running dialog at once. With
// no look in force Allegro's own procedure for the widget takes the message,
// so a dialog (or an alert box whose hooks point here) stays visible and
// usable. Drawing is kept within the row, and rows Allegro cannot take are
// made safe first (odd_rows.h).
#include "widgets/style/look_base.h"
#include "widgets/style/look_images.h"
#include "widgets/core/odd_rows.h"
#include "widgets/core/row_clip.h"
#include "widgets/theme.h"

namespace {

typedef ThemeDialogProc Theme::*Slot;

// The look's own slot while a row of kind W is drawn from images.
ThemeDialogProc imaged_look_proc = nullptr;

template <ImageWidget W> int draw_imaged(int msg, DIALOG *d, int c)
{
    if (draw_from_images(W, imaged_look_proc, d, c)) return D_O_K;
    return imaged_look_proc(msg, d, c);
}

template <RowExtent Extent, ImageWidget W = IMAGE_NONE> int call_slot(ThemeDialogProc proc, int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) {
        // Only the edit fields move and narrow their rows for Allegro's
        // logic; any other row a callback moves is drawn where it now is.
        if constexpr (Extent != ROW_COLUMNS) return proc(msg, d, c);
        const RowInMessage given(d);
        return proc(msg, d, c);
    }
    if (W == IMAGE_NONE) return draw_within_row(proc, Extent, d, c);
    const ThemeDialogProc outer = imaged_look_proc;
    imaged_look_proc = proc;
    const int result = draw_within_row(draw_imaged<W>, Extent, d, c);
    imaged_look_proc = outer;
    return result;
}

// The look's slot (else its base's), Allegro's procedure without a look, or
// null for a slot empty all along the bases.
ThemeDialogProc slot_in_force(Slot slot, ThemeDialogProc allegro)
{
    if (!look_in_force) return allegro;
    ThemeDialogProc own = look_in_force->*slot;
    return own ? own : look_resolved.*slot;
}

template <Slot S, RowExtent Extent = ROW_BOUNDED, ImageWidget W = IMAGE_NONE>
int forward(ThemeDialogProc allegro, int msg, DIALOG *d, int c)
{
    ThemeDialogProc proc = slot_in_force(S, allegro);
    if (!proc) return D_O_K;
    return call_slot<Extent, W>(proc, msg, d, c);
}

template <Slot S, RowExtent Extent = ROW_BOUNDED, ImageWidget W = IMAGE_NONE>
int forward_guarded(int (*guard)(RowCall, ThemeDialogProc, int, DIALOG *, int), ThemeDialogProc allegro, int msg,
                    DIALOG *d, int c)
{
    ThemeDialogProc proc = slot_in_force(S, allegro);
    if (!proc) return D_O_K;
    return guard(call_slot<Extent, W>, proc, msg, d, c);
}

}  // namespace

int theme_box_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::box_proc, ROW_BOUNDED, IMAGE_BOX>(d_box_proc, msg, d, c);
}
int theme_shadow_box_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::shadow_box_proc, ROW_BOUNDED, IMAGE_BOX>(d_shadow_box_proc, msg, d, c);
}
int theme_button_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::button_proc, ROW_BOUNDED, IMAGE_BUTTON>(label_row, d_button_proc, msg, d, c);
}
int theme_push_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::push_proc, ROW_BOUNDED, IMAGE_BUTTON>(label_row, stock_push_proc, msg, d, c);
}
int theme_check_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::check_proc, ROW_BOUNDED, IMAGE_CHECK>(label_row, d_check_proc, msg, d, c);
}
int theme_radio_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::radio_proc, ROW_BOUNDED, IMAGE_RADIO>(label_row, d_radio_proc, msg, d, c);
}
int theme_icon_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::icon_proc>(label_row, d_icon_proc, msg, d, c);
}
int theme_edit_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::edit_proc, ROW_COLUMNS>(edit_row, d_edit_proc, msg, d, c);
}
int theme_list_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::list_proc>(list_row, d_list_proc, msg, d, c);
}
int theme_text_list_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::text_list_proc>(list_row, d_text_list_proc, msg, d, c);
}
int theme_textbox_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::textbox_proc>(textbox_row, d_textbox_proc, msg, d, c);
}
int theme_slider_proc(int msg, DIALOG *d, int c)
{
    return forward_guarded<&Theme::slider_proc, ROW_BOUNDED, IMAGE_SLIDER>(slider_row, d_slider_proc, msg, d, c);
}
int theme_menu_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::menu_proc, ROW_UNBOUNDED>(d_menu_proc, msg, d, c);
}
int theme_window_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::window_proc, ROW_BOUNDED, IMAGE_WINDOW>(stock_window_proc, msg, d, c);
}
int theme_clear_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::clear_proc, ROW_UNBOUNDED>(d_clear_proc, msg, d, c);
}
int theme_text_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::text_proc, ROW_LABEL>(d_text_proc, msg, d, c);
}
int theme_ctext_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::ctext_proc, ROW_LABEL>(d_ctext_proc, msg, d, c);
}
int theme_rtext_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::rtext_proc, ROW_LABEL>(d_rtext_proc, msg, d, c);
}
