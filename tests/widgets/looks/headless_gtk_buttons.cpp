// The "GTK" look's frames and buttons, checked pixel by pixel.
#include <gtest/gtest.h>

#include "gtk_fixture.h"
#include "pixel_helpers.h"
#include "widgets/looks/gtk/look.h"
#include "widgets/theme.h"

namespace {

struct GtkButton : GtkTest {
    // The name-entry dialog's button: 100 x 18 at (90, 115), no label so
    // every face pixel can be checked.
    DIALOG d = {theme_button_proc, 90, 115, 100, 18, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr};
};

TEST_F(GtkButton, RaisedLineByLine)
{
    EXPECT_EQ(theme_button_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(hline_is(90, 188, 115, white));
    EXPECT_TRUE(vline_is(90, 115, 131, white));
    EXPECT_TRUE(hline_is(92, 188, 131, shadow));
    EXPECT_TRUE(vline_is(188, 117, 131, shadow));
    EXPECT_TRUE(hline_is(90, 189, 132, black));
    EXPECT_TRUE(vline_is(189, 115, 132, black));
    EXPECT_TRUE(rect_is(91, 116, 187, 130, face));
    EXPECT_EQ(screen_pixel(91, 131), face);   // the inner shadow starts at x + 2
    EXPECT_EQ(screen_pixel(188, 116), face);  // ... and at y + 2
    EXPECT_EQ(screen_pixel(89, 114), background);
    EXPECT_EQ(screen_pixel(190, 133), background);
}

TEST_F(GtkButton, FocusedIsFramedAndLit)
{
    d.flags = D_GOTFOCUS;
    theme_button_proc(MSG_DRAW, &d, 0);
    // Black frame round the row.
    EXPECT_TRUE(hline_is(90, 189, 115, black));
    EXPECT_TRUE(hline_is(90, 189, 132, black));
    EXPECT_TRUE(vline_is(90, 115, 132, black));
    EXPECT_TRUE(vline_is(189, 115, 132, black));
    // The prelight box one pixel inside: (91, 116) 98 x 16.
    EXPECT_TRUE(hline_is(91, 187, 116, white));
    EXPECT_TRUE(vline_is(91, 116, 130, white));
    EXPECT_TRUE(hline_is(93, 187, 130, shadow_light));
    EXPECT_TRUE(vline_is(187, 118, 130, shadow_light));
    EXPECT_TRUE(hline_is(91, 188, 131, black));
    EXPECT_TRUE(vline_is(188, 116, 131, black));
    EXPECT_TRUE(rect_is(92, 117, 186, 129, prelight));
}

TEST_F(GtkButton, PressedWhileFocused)
{
    d.flags = D_GOTFOCUS | D_SELECTED;
    theme_button_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(90, 189, 115, black));
    EXPECT_TRUE(vline_is(189, 115, 132, black));
    // Kind 2 on (91, 116) 98 x 16.
    EXPECT_TRUE(hline_is(91, 188, 116, shadow));
    EXPECT_TRUE(vline_is(91, 116, 131, shadow));
    EXPECT_TRUE(hline_is(92, 187, 117, black));
    EXPECT_TRUE(vline_is(92, 117, 130, black));
    EXPECT_TRUE(hline_is(92, 188, 131, white));
    EXPECT_TRUE(vline_is(188, 117, 130, white));
    EXPECT_TRUE(hline_is(93, 187, 130, pressed));
    EXPECT_TRUE(vline_is(187, 118, 130, pressed));
    // The pressed fill from (93, 118) shows inside the lines.
    EXPECT_TRUE(rect_is(93, 118, 186, 129, pressed));
}

TEST_F(GtkButton, LabelCentredAndGreyWhenDisabled)
{
    char label[] = "YARRR";
    d.dp = label;
    theme_button_proc(MSG_DRAW, &d, 0);
    const int th = text_height(font);
    const int left = 90 + 50 - text_length(font, label) / 2;
    EXPECT_TRUE(text_drawn_at(label, left, 115 + 9 - th / 2, black));
    EXPECT_EQ(count_colour(91, 116, 187, 130, shadow), 0);

    d.flags = D_DISABLED;
    clear_test_screen();
    theme_button_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(text_drawn_at(label, left, 115 + 9 - th / 2, shadow));
    EXPECT_EQ(count_colour(91, 116, 187, 130, black), 0);
}

struct GtkCheck : GtkTest {
    char label[8] = "Rum";
    DIALOG d = {theme_check_proc, 40, 60, 80, 20, 0, 0, 0, 0, 0, 0, label, nullptr, nullptr};
};

TEST_F(GtkCheck, BoxOfTwentyPixelRowFromThreeFiveToTwelveFourteen)
{
    theme_check_proc(MSG_DRAW, &d, 0);
    // Prelight bevel (kind 1) from (43, 65) to (52, 74), unfilled.
    EXPECT_TRUE(hline_is(43, 51, 65, white));
    EXPECT_TRUE(vline_is(43, 65, 73, white));
    EXPECT_TRUE(hline_is(43, 52, 74, black));
    EXPECT_TRUE(vline_is(52, 65, 74, black));
    EXPECT_TRUE(hline_is(45, 51, 73, shadow_light));
    EXPECT_TRUE(rect_is(44, 66, 50, 72, face));  // the row's face shows through
    EXPECT_EQ(screen_pixel(42, 64), face);
    EXPECT_EQ(screen_pixel(53, 75), face);
    EXPECT_TRUE(text_drawn_at(label, 58, 60 + 10 - text_height(font) / 2, black));
}

TEST_F(GtkCheck, CheckedIsSunkenAndFocusedRowIsLit)
{
    d.flags = D_SELECTED | D_GOTFOCUS;
    theme_check_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(40, 119, 60, black));  // the row's outline
    EXPECT_TRUE(vline_is(119, 60, 79, black));
    EXPECT_EQ(screen_pixel(41, 61), prelight);
    EXPECT_TRUE(hline_is(43, 52, 65, shadow));  // kind 2 top
    EXPECT_TRUE(hline_is(44, 51, 66, black));
    EXPECT_TRUE(hline_is(44, 52, 74, white));
    EXPECT_TRUE(rect_is(45, 67, 50, 72, prelight));
}

TEST_F(GtkCheck, RadioImagesFromCharacterArt)
{
    d.proc = theme_radio_proc;
    theme_radio_proc(MSG_DRAW, &d, 0);
    // radio_raised at (43, 65): row 0 column 5 is white, row 10 column 5
    // black, row 6 column 2 "x" grey, corners transparent.
    EXPECT_EQ(screen_pixel(48, 65), white);
    EXPECT_EQ(screen_pixel(48, 75), black);
    EXPECT_EQ(screen_pixel(45, 71), shadow);
    EXPECT_EQ(screen_pixel(43, 65), face);
    EXPECT_EQ(screen_pixel(53, 75), face);

    d.flags = D_SELECTED;
    theme_radio_proc(MSG_DRAW, &d, 0);
    // radio_sunken: row 0 column 5 "x", row 2 column 5 "X", row 6 column 3 "a".
    EXPECT_EQ(screen_pixel(48, 65), shadow);
    EXPECT_EQ(screen_pixel(48, 67), black);
    EXPECT_EQ(screen_pixel(46, 71), shadow_light);
    EXPECT_EQ(screen_pixel(48, 75), white);
    EXPECT_TRUE(text_drawn_at(label, 58, 66, black));
}

TEST_F(GtkTest, WindowTitleClippedToTheRow)
{
    char title[] = "A very long window title indeed";
    DIALOG d = {theme_window_proc, 20, 20, 60, 40, 0, 0, 0, 0, 0, 0, title, nullptr, nullptr};
    EXPECT_EQ(theme_window_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(hline_is(20, 79, 20, black));  // framed raised box
    EXPECT_TRUE(hline_is(21, 77, 21, white));
    EXPECT_GT(count_colour(26, 26, 77, 33, black), 0);
    EXPECT_TRUE(vline_is(80, 20, 40, background));  // nothing past the row
    EXPECT_TRUE(vline_is(100, 20, 40, background));
    // The screen's clipping is back as it was.
    EXPECT_EQ(screen->cl, 0);
    EXPECT_EQ(screen->cr, TEST_SCREEN_W);
    EXPECT_EQ(theme_window_proc(MSG_CLICK, &d, 0), D_O_K);
}

TEST_F(GtkTest, SharedTextProceduresUseTheLooksColours)
{
    char text[] = "ab";
    DIALOG d = {theme_ctext_proc, 10, 30, 7, 8, 5, 6, 0, 0, 0, 0, text, nullptr, nullptr};
    theme_ctext_proc(MSG_DRAW, &d, 0);
    // Centred on x = 10 + 7/2 = 13.
    EXPECT_TRUE(text_drawn_at(text, 13 - text_length(font, text) / 2, 30, black));
    const int left = 13 - text_length(font, text) / 2;
    EXPECT_EQ(count_colour(left, 30, left + 15, 37, background), 0);  // opaque on the face
    EXPECT_GT(count_colour(left, 30, left + 15, 37, face), 0);

    clear_test_screen();
    d.proc = theme_rtext_proc;
    d.w = 50;
    theme_rtext_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(text_drawn_at(text, 60 - text_length(font, text), 30, black));
    EXPECT_EQ(count_colour(44, 30, 59, 37, background), 0);  // ends at x + w
    EXPECT_TRUE(vline_is(60, 30, 37, background));
    EXPECT_TRUE(vline_is(43, 30, 37, background));

    clear_test_screen();
    d.proc = theme_text_proc;
    theme_text_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(text_drawn_at(text, 10, 30, black));
}

}  // namespace
