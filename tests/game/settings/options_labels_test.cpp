// Every text the options dialog can show stands whole in its row, in every
// look: a label a look cuts off ("sic: press a ke") or lets run into the
// next row is a label the player cannot read. The dialog is drawn into the
// game's 800x600 picture at every window scale, so one scale measures all.
#include <gtest/gtest.h>

#include <string>

#include "settings/options_dialog.h"
#include "shell_fixture.h"
#include "widgets/theme.h"

namespace {

constexpr int LEFT = 10;
constexpr int TOP = 100;
// The row made as wide and as tall as the picture allows: nothing cuts it.
constexpr int ROOMY_RIGHT = 790;
constexpr int ROOMY_EXTRA_ROWS = 40;

// Draws `row` at (LEFT, TOP) with the label `text` on a cleared screen.
void drawRow(DIALOG row, const std::string &text, bool checked, int width, int height)
{
    clear_to_color(screen, makecol(200, 240, 200));
    std::string label = text;
    row.x = LEFT;
    row.y = TOP;
    row.w = width;
    row.h = height;
    row.dp = label.data();
    row.dp2 = nullptr;  // the on/off rows draw the text given, as it is
    row.flags = checked ? D_SELECTED : 0;
    row.fg = makecol(0, 0, 0);
    row.bg = makecol(200, 240, 200);
    row.proc(MSG_DRAW, &row, 0);
}

// The pixels the label itself puts inside the row's rectangle: the row
// drawn with it against the row drawn without it.
int labelPixels(const DIALOG &row, const std::string &text, bool checked, int width, int height)
{
    BITMAP *without = create_bitmap_ex(bitmap_color_depth(screen), screen->w, screen->h);
    drawRow(row, "", checked, width, height);
    blit(screen, without, 0, 0, 0, 0, screen->w, screen->h);
    drawRow(row, text, checked, width, height);
    int pixels = 0;
    for (int y = TOP; y < TOP + height; ++y)
        for (int x = LEFT; x < LEFT + width; ++x) pixels += getpixel(screen, x, y) != getpixel(without, x, y);
    destroy_bitmap(without);
    return pixels;
}

using OptionsLabels = ShellTest;

TEST_F(OptionsLabels, EveryTextStandsWholeInItsRowInEveryLook)
{
    gui_fg_color = makecol(0, 0, 0);
    gui_mg_color = makecol(128, 128, 128);
    gui_bg_color = makecol(200, 240, 200);
    const DIALOG *rows = optionsDialogLayout();
    for (int look = 0; look < theme_count(); ++look) {
        applyDialogLook(theme_at(look)->name);
        for (const OptionsRowText &t : optionsRowTexts()) {
            const DIALOG &row = rows[t.row];
            const int whole = labelPixels(row, t.text, t.checked, ROOMY_RIGHT - LEFT, row.h + ROOMY_EXTRA_ROWS);
            ASSERT_GT(whole, 0) << "\"" << t.text << "\" draws nothing in " << theme_at(look)->name;
            EXPECT_EQ(labelPixels(row, t.text, t.checked, row.w, row.h), whole)
                << "\"" << t.text << "\" is cut in its " << row.w << "x" << row.h << " row in " << theme_at(look)->name
                << " (" << whole << " pixels whole)";
        }
    }
    applyDialogLook("GTK");
}

}  // namespace
