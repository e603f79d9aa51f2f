// The routines every look shares: menu label cut, slider and scroll-bar
// arithmetic, the edit field's visible span.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "pixel_helpers.h"
#include "widgets/looks/shared/char_art.h"
#include "widgets/looks/shared/fields.h"
#include "widgets/looks/shared/lists.h"
#include "widgets/looks/shared/menus.h"
#include "widgets/style/slider_thumb.h"

namespace {

TEST(MenuTextSplit, LabelAndShortcut)
{
    char buf[MENU_TEXT_BUFFER];
    const char *rest = menu_text_split("Open\tCtrl+O", buf, sizeof buf);
    EXPECT_STREQ(buf, "Open");
    ASSERT_NE(rest, nullptr);
    EXPECT_STREQ(rest, "Ctrl+O");
    EXPECT_EQ(menu_text_split("Quit", buf, sizeof buf), nullptr);
    EXPECT_STREQ(buf, "Quit");
    EXPECT_EQ(menu_text_split(nullptr, buf, sizeof buf), nullptr);
    EXPECT_STREQ(buf, "");
}

TEST(MenuTextSplit, OverlongLabelIsCutToFitAndShortcutStillFound)
{
    std::string text(600, 'a');
    text += "\tKey";
    char buf[MENU_TEXT_BUFFER + 8];
    std::memset(buf, 'Z', sizeof buf);
    const char *rest = menu_text_split(text.c_str(), buf, MENU_TEXT_BUFFER);
    EXPECT_EQ(std::strlen(buf), MENU_TEXT_BUFFER - 1u);
    for (size_t i = MENU_TEXT_BUFFER; i < sizeof buf; ++i) EXPECT_EQ(buf[i], 'Z') << "written past the buffer";
    ASSERT_NE(rest, nullptr);
    EXPECT_STREQ(rest, "Key");
}

TEST(MenuTextSplit, CutFallsOnCharacterBoundary)
{
    ASSERT_EQ(get_uformat(), U_UTF8);
    // 'a' then two-byte characters: a 6-byte buffer holds "a", two e-acutes
    // (5 bytes) and the terminator; half a third character must not appear.
    const char *text = "a\xC3\xA9\xC3\xA9\xC3\xA9\tX";
    char buf[6];
    const char *rest = menu_text_split(text, buf, sizeof buf);
    EXPECT_STREQ(buf, "a\xC3\xA9\xC3\xA9");
    ASSERT_NE(rest, nullptr);
    EXPECT_STREQ(rest, "X");

    char tiny[3];  // room for "a" only: the next character needs 2 bytes
    menu_text_split(text, tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "a");
}

TEST(SliderThumb, RoundsHalfUp)
{
    // A 100-wide slider: travel 68, value 5 of 10 is 34 exactly.
    EXPECT_EQ(slider_thumb_pos(68, 10, 5), 34);
    EXPECT_EQ(slider_thumb_pos(68, 10, 0), 0);
    EXPECT_EQ(slider_thumb_pos(68, 10, 10), 68);
    // 1/3 of 100 is 33.33 -> 33; 2/3 is 66.67 -> 67.
    EXPECT_EQ(slider_thumb_pos(100, 3, 1), 33);
    EXPECT_EQ(slider_thumb_pos(100, 3, 2), 67);
}

TEST(SliderThumb, ZeroOrNegativeMaximumSitsAtStart)
{
    EXPECT_EQ(slider_thumb_pos(68, 0, 5), 0);
    EXPECT_EQ(slider_thumb_pos(68, -4, 5), 0);
}

TEST(ScrollThumb, LengthAndOffset)
{
    EXPECT_FALSE(scroll_bar_needed(3, 10));
    EXPECT_FALSE(scroll_bar_needed(10, 10));
    EXPECT_TRUE(scroll_bar_needed(11, 10));
    EXPECT_FALSE(scroll_bar_needed(0, -1));
    EXPECT_EQ(scroll_thumb_length(100, 10, 100), 10);
    EXPECT_EQ(scroll_thumb_offset(100, 0, 100), 0);
    EXPECT_EQ(scroll_thumb_offset(100, 50, 100), 50);
    EXPECT_EQ(scroll_thumb_length(3, 2, 10), 7);  // 6.67 rounds to 7
    EXPECT_EQ(scroll_thumb_length(0, 2, 10), 0);
}

struct EditSpanTest : testing::Test {
    char text[64] = "";
    DIALOG d = {nullptr, 0, 0, 125, 8, 0, 0, 0, 0, 60, 0, text, nullptr, nullptr};
};

TEST_F(EditSpanTest, CaretPastEndIsPulledBackAndStored)
{
    std::strcpy(text, "Grog");
    d.d2 = 40;
    EditSpan s = edit_visible_span(&d);
    EXPECT_EQ(d.d2, 4);
    EXPECT_EQ(s.last, 4);
}

TEST_F(EditSpanTest, NullTextCountsAsEmpty)
{
    d.dp = nullptr;
    d.d2 = 3;
    EditSpan s = edit_visible_span(&d);
    EXPECT_EQ(d.d2, 0);
    EXPECT_EQ(s.first, 0);
    EXPECT_EQ(s.last, 0);
}

TEST(CharArt, KeyColoursMaskAndUntouchedPixels)
{
    static const char *const ART[] = {
        ".X ",
        "?.",  // unknown character, and a row that ends early
    };
    static const ArtKey KEY[] = {{'.', 255, 255, 255}, {'X', 0, 0, 156}, {' ', ART_MASK, 0, 0}};
    BITMAP *b = bitmap_from_art(ART, 3, 2, KEY);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(pixel_at(b, 0, 0), rgb16(255, 255, 255));
    EXPECT_EQ(pixel_at(b, 1, 0), rgb16(0, 0, 156));
    EXPECT_EQ(getpixel(b, 2, 0), bitmap_mask_color(b));
    EXPECT_EQ(getpixel(b, 0, 1), bitmap_mask_color(b));  // left as created
    EXPECT_EQ(getpixel(b, 2, 1), bitmap_mask_color(b));  // past the row's end

    // Painting over a picture leaves what the key does not name alone.
    clear_to_color(b, makecol(10, 200, 10));
    paint_art(b, 0, 0, ART, 3, 2, KEY);
    EXPECT_EQ(pixel_at(b, 0, 1), rgb16(10, 200, 10));
    EXPECT_EQ(pixel_at(b, 1, 1), rgb16(255, 255, 255));
    EXPECT_EQ(getpixel(b, 2, 0), bitmap_mask_color(b));

    // Fixed-stride tables: row r, column c at r * stride + c.
    static const char BLOCK[] = "X.\0.X\0";
    paint_art_block(b, 1, 0, BLOCK, 3, 2, 2, KEY);
    EXPECT_EQ(pixel_at(b, 1, 0), rgb16(0, 0, 156));
    EXPECT_EQ(pixel_at(b, 2, 1), rgb16(0, 0, 156));
    destroy_bitmap(b);
}

}  // namespace
