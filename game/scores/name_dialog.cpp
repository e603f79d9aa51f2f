#include "scores/name_dialog.h"

#include <cstring>

#include "scores/dialog_idle_rest.h"
#include "scores/high_scores.h"
#include "scores/pointer_lit_button.h"
#include "widgets/theme.h"

char PlayerName[PLAYER_NAME_SIZE] = "Cappy Bilgewig";

int (*NameDialogRunner)(DIALOG *dialog, int focusObject) = do_dialog;

namespace {
char YarrrCaption[] = "YARRR";
}

// clang-format off
const DIALOG NameDialog[4] = {
  // proc                x    y    w    h   fg bg key flags d1               d2 dp            dp2      dp3
  { theme_edit_proc,     15,  75, 125,   8, 0, 0, 0,  0,    NAME_EDIT_LIMIT, 0, PlayerName,   nullptr, PlayerName },
  { pointerLitButtonProc, 90, 115, 100,  18, 0, 0, 0,  0,    0,               0, YarrrCaption, nullptr, reinterpret_cast<void*>(recordScore) },
  { restWhileIdleProc,    0,   0,   0,   0, 0, 0, 0,  0,    0,               0, nullptr,      nullptr, nullptr },
  { nullptr,              0,   0,   0,   0, 0, 0, 0,  0,    0,               0, nullptr,      nullptr, nullptr },
};
// clang-format on

int runNameDialog()
{
    DIALOG rows[4];
    std::memcpy(rows, NameDialog, sizeof rows);

    // Dialogs that Allegro builds by itself (alerts, file selectors) take the
    // look's procedures too.
    gui_shadow_box_proc = theme_shadow_box_proc;
    gui_button_proc = theme_button_proc;
    gui_ctext_proc = theme_ctext_proc;
    gui_text_list_proc = theme_text_list_proc;

    // The game's own dialog colours; the themed rows draw in the look's
    // palette whatever these say.
    gui_fg_color = makecol(0, 0, 0);
    gui_mg_color = makecol(128, 128, 128);
    gui_bg_color = makecol(200, 240, 200);
    set_dialog_color(rows, gui_fg_color, gui_bg_color);
    rows[0].bg = makecol(255, 255, 255);

    // Plain text rows sit on the edit field's white.
    for (DIALOG *row = rows;; ++row) {
        if (row->proc == d_text_proc || row->proc == d_ctext_proc || row->proc == d_rtext_proc) row->bg = rows[0].bg;
        if (!row->proc) break;
    }

    position_dialog(rows, 2, 2);
    // The name is typed at once, wherever the pointer is: the box has the
    // keyboard focus from the start, and the pointer passing over the
    // button no longer takes it away (Tab does; a click on the button
    // presses it as ever).
    const int pointerTakesFocus = gui_mouse_focus;
    gui_mouse_focus = FALSE;
    const int closedBy = NameDialogRunner(rows, NAME_BOX_ROW);
    gui_mouse_focus = pointerTakesFocus;
    return closedBy;
}
