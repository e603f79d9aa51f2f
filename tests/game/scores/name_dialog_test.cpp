// The name dialog and the table on screen, driven like a player would:
// real do_dialog runs fed with synthetic key presses, drawing into a real
// 800x600 window. Needs an X display (the test command runs Xvfb); the
// dialog engine clips its drawing to the graphics mode's size, so a memory
// bitmap as the screen would show nothing.
#include "scores/name_dialog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "scores/high_scores.h"
#include "rest_log.h"
#include "scratch_directory.h"
#include "widgets/theme.h"
#include "world/game_state.h"

namespace {

// A key for the feeder: a Unicode character and a scancode, as
// simulate_ukeypress takes them.
struct FedKey {
    int character;
    int scancode;
};

const FedKey TAB = {'\t', KEY_TAB};
const FedKey ENTER = {'\r', KEY_ENTER};
const FedKey ESCAPE = {27, KEY_ESC};
const FedKey END = {0, KEY_END};
const FedKey BACKSPACE = {8, KEY_BACKSPACE};

// Allegro's key buffer holds only a few dozen presses, so the keys are
// handed over one at a time from a timer while the dialog runs. The last
// key, the safety ESC, comes only once the dialog has gone back to sleeping
// after the other keys (see RestLog), so a dialog that closed by itself
// leaves it unfed, however long its closing takes.
std::vector<FedKey> pendingKeys;
volatile std::size_t nextKey = 0;
RestLog *dialogRests = nullptr;
int restsWhenLastTaken = 0;
constexpr int FEED_PERIOD_MS = 2;
// Two sleeps: the dialog has been round its loop with nothing to do.
constexpr int IDLE_RESTS_BEFORE_SAFETY = 2;

void feedOneKey()
{
    if (nextKey >= pendingKeys.size() || keypressed()) return;
    if (nextKey + 1 == pendingKeys.size()) {
        if (restsWhenLastTaken < 0) restsWhenLastTaken = dialogRests->count();
        if (dialogRests->count() - restsWhenLastTaken < IDLE_RESTS_BEFORE_SAFETY) return;
    }
    const FedKey &key = pendingKeys[nextKey];
    simulate_ukeypress(key.character, key.scancode);
    nextKey = nextKey + 1;
}
END_OF_FUNCTION(feedOneKey)

// Presses that replace "Cappy Bilgewig" (or any name) in the edit field,
// which has the focus from the start, by `name`, then move on to the button
// and press it.
std::vector<FedKey> typeNameAndPress(const std::u32string &name)
{
    std::vector<FedKey> keys = {END};
    for (int i = 0; i < 120; ++i) keys.push_back(BACKSPACE);
    for (char32_t c : name) keys.push_back({static_cast<int>(c), 0});
    keys.push_back(TAB);
    keys.push_back(ENTER);
    return keys;
}

const std::vector<FedKey> PRESS_BUTTON = {TAB, ENTER};

// Where the dialog sees the pointer: over YARRR as it opens, then over
// nothing, over the name box, over YARRR again, moving on at every key fed.
struct Spot {
    int x, y;
};
const Spot POINTER_SPOTS[] = {{140, 126}, {700, 500}, {60, 81}};
int pointerSpotX()
{
    return POINTER_SPOTS[nextKey % 3].x;
}
int pointerSpotY()
{
    return POINTER_SPOTS[nextKey % 3].y;
}

class NameDialogTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!std::getenv("DISPLAY")) return;
        // No second try: xvfb-run starts the tests once its server takes
        // clients, and -noreset keeps it taking them.
        if (allegro_init() != 0) return;
        install_timer();
        install_keyboard();
        set_color_depth(16);
        windowOpen = set_gfx_mode(GFX_AUTODETECT_WINDOWED, 800, 600, 0, 0) == 0;
        LOCK_FUNCTION(feedOneKey);
        LOCK_VARIABLE(nextKey);
    }

    void SetUp() override
    {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "the dialog engine needs an X display";
        if (!windowOpen) FAIL() << "no 800x600 window on " << std::getenv("DISPLAY") << ": " << allegro_error;
        resetScoreSaveWarning();
        std::strcpy(PlayerName, "Cappy Bilgewig");
        WorldBitmap = create_bitmap(1600, 1600);
        clear_bitmap(screen);
        clear_bitmap(WorldBitmap);
        init_theme(theme_gtk);
        Score = 0;
        LevelIndex = 0;
        clear_keybuf();
    }

    void TearDown() override
    {
        if (!windowOpen) return;
        remove_int(feedOneKey);
        shutdown_theme();
        destroy_bitmap(WorldBitmap);
        WorldBitmap = nullptr;
    }

    // Runs `body` with `keys` fed in, then ESC as a safety net so that a
    // dialog that ignored them still ends the test instead of hanging it.
    template <typename Body> void withKeys(std::vector<FedKey> keys, Body body)
    {
        keys.push_back(ESCAPE);
        pendingKeys = keys;
        nextKey = 0;
        RestLog rests;
        ASSERT_TRUE(rests.watching());
        dialogRests = &rests;
        restsWhenLastTaken = -1;
        install_int(feedOneKey, FEED_PERIOD_MS);
        body();
        remove_int(feedOneKey);
        dialogRests = nullptr;
        keysLeft = pendingKeys.size() - nextKey;
        clear_keybuf();
    }

    int runDialogWith(const std::vector<FedKey> &keys)
    {
        int result = -2;
        withKeys(keys, [&] { result = runNameDialog(); });
        return result;
    }

    // The text `line` as the table draws it, compared with row k of the screen.
    bool screenShowsLine(int k, const std::string &line)
    {
        BITMAP *expected = create_bitmap_ex(16, 700, 8);
        clear_bitmap(expected);
        textout_ex(expected, font, line.c_str(), 0, 0, makecol(255, 255, 255), -1);
        acquire_screen();
        bool same = true;
        for (int y = 0; y < 8 && same; ++y)
            for (int x = 0; x < 700 && same; ++x)
                same = getpixel(expected, x, y) == getpixel(screen, 100 + x, 20 * k + y);
        release_screen();
        destroy_bitmap(expected);
        return same;
    }

    static bool windowOpen;
    std::size_t keysLeft = 0;
    ScratchDirectory dir;
};

bool NameDialogTest::windowOpen = false;

}  // namespace

TEST_F(NameDialogTest, ButtonRecordsTheScoreAndClosesTheDialog)
{
    Score = 101;
    LevelIndex = 2;
    readScoreTable();
    EXPECT_EQ(runDialogWith(PRESS_BUTTON), 1);
    EXPECT_EQ(keysLeft, 1u);  // the safety ESC was not needed
    EXPECT_EQ(readWholeFile("High.txt"), "Cappy Bilgewig\n101\n3\n" + repeat("Captain Bilgewig\n100\n10\n", 9));
}

TEST_F(NameDialogTest, TypedNameIsStoredAndOfferedNextTime)
{
    Score = 500;
    EXPECT_EQ(runDialogWith(typeNameAndPress(U"Anne Bonny")), 1);
    EXPECT_STREQ(PlayerName, "Anne Bonny");
    EXPECT_EQ(readWholeFile("High.txt").substr(0, 16), "Anne Bonny\n500\n1");

    // The next game over offers the same name; pressing at once keeps it.
    Score = 400;
    EXPECT_EQ(runDialogWith(PRESS_BUTTON), 1);
    ScoreTable table = readScoreTable();
    EXPECT_STREQ(table[1].name, "Anne Bonny\n");
    EXPECT_STREQ(table[1].score, "400\n");
}

// The box has the keyboard from the start and keeps it wherever the pointer
// goes; only Tab takes it to the button.
TEST_F(NameDialogTest, TheNameIsTypedWhereverThePointerGoes)
{
    int (*const mouseX)() = gui_mouse_x;
    int (*const mouseY)() = gui_mouse_y;
    gui_mouse_x = pointerSpotX;
    gui_mouse_y = pointerSpotY;
    Score = 700;
    const int closedBy = runDialogWith(typeNameAndPress(U"Mary Read"));
    gui_mouse_x = mouseX;
    gui_mouse_y = mouseY;
    EXPECT_EQ(closedBy, 1);
    EXPECT_STREQ(PlayerName, "Mary Read");
    EXPECT_EQ(readWholeFile("High.txt").substr(0, 14), "Mary Read\n700\n");
    EXPECT_EQ(gui_mouse_focus, TRUE) << "the pointer leads the focus again in other dialogs";
}

TEST_F(NameDialogTest, UntouchedNameStoredTwiceGivesTheSameNameLine)
{
    Score = 300;
    ASSERT_EQ(runDialogWith(PRESS_BUTTON), 1);
    Score = 200;
    ASSERT_EQ(runDialogWith(PRESS_BUTTON), 1);
    ScoreTable table = readScoreTable();
    EXPECT_STREQ(table[0].name, "Cappy Bilgewig\n");
    EXPECT_STREQ(table[1].name, table[0].name);
    EXPECT_STREQ(PlayerName, "Cappy Bilgewig");
}

TEST_F(NameDialogTest, EditingStopsAtTheLimitAndNeverWritesPastTheName)
{
    // Far more than the field takes, in the widest characters a player can
    // type: every one is four bytes in UTF-8.
    ASSERT_LE(uwidth_max(U_UTF8), NAME_CHARACTER_BYTES_MAX);
    Score = 1000;
    EXPECT_EQ(runDialogWith(typeNameAndPress(std::u32string(140, U'\U0001F3F4'))), 1);
    EXPECT_EQ(ustrlen(PlayerName), NAME_EDIT_LIMIT);
    EXPECT_EQ(std::strlen(PlayerName), 400u);
    // Stored cut to 38 bytes: nine whole four-byte characters, none split.
    ScoreTable table = readScoreTable();
    EXPECT_EQ(std::string(table[0].name), repeat("\xF0\x9F\x8F\xB4", 9) + "\n");
}

TEST_F(NameDialogTest, StoredNameIsCutOnACharacterBoundary)
{
    Score = 1000;
    EXPECT_EQ(runDialogWith(typeNameAndPress(U"a" + std::u32string(60, U'\u00E9'))), 1);
    ScoreTable table = readScoreTable();
    // "a" and eighteen two-byte characters: 37 bytes; the nineteenth would
    // straddle the end of the field.
    EXPECT_EQ(std::string(table[0].name), "a" + repeat("\xC3\xA9", 18) + "\n");
}

TEST_F(NameDialogTest, FieldAndButtonAreDrawnNearTheTopLeftWithNoBoxAround)
{
    runDialogWith({});
    auto drawnIn = [&](int x0, int y0, int x1, int y1) {
        int count = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) count += getpixel(screen, x, y) != 0;
        return count;
    };
    EXPECT_GT(drawnIn(17, 77, 141, 84), 0);    // the edit field at (17, 77)
    EXPECT_GT(drawnIn(92, 117, 191, 134), 0);  // the button at (92, 117)
    EXPECT_EQ(drawnIn(0, 150, 799, 599), 0);   // nothing below them
    EXPECT_EQ(drawnIn(200, 0, 799, 149), 0);   // nor to their right
    EXPECT_EQ(drawnIn(0, 0, 799, 60), 0);      // nor above: no dialog box
}

TEST_F(NameDialogTest, FreshDirectoryShowsTenDefaultLines)
{
    showScoreTable();
    EXPECT_EQ(readWholeFile("High.txt"), DEFAULT_FILE);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_TRUE(screenShowsLine(k, std::to_string(k) + ") Captain Bilgewig - Lvl.10 - 100pts.")) << "line " << k;
    }
    EXPECT_FALSE(screenShowsLine(11, "11) Captain Bilgewig - Lvl.10 - 100pts."));
}

TEST_F(NameDialogTest, ScoreThatEarnsNoPlaceAsksNothing)
{
    Score = 100;
    bool escapeUntaken = false;
    withKeys({}, [&] {
        checkHighScore();
        // A dialog would have taken the ESC from the buffer to close.
        escapeUntaken = nextKey == 0 || keypressed();
    });
    EXPECT_TRUE(escapeUntaken);
    EXPECT_EQ(readWholeFile("High.txt"), DEFAULT_FILE);
    EXPECT_TRUE(screenShowsLine(1, "1) Captain Bilgewig - Lvl.10 - 100pts."));
}

TEST_F(NameDialogTest, ScoreThatEarnsAPlaceAsksAndShowsTheNewTable)
{
    Score = 101;
    withKeys(PRESS_BUTTON, [] { checkHighScore(); });
    EXPECT_EQ(keysLeft, 1u);
    EXPECT_TRUE(screenShowsLine(1, "1) Cappy Bilgewig - Lvl.1 - 101pts."));
    EXPECT_TRUE(screenShowsLine(10, "10) Captain Bilgewig - Lvl.10 - 100pts."));
}

TEST_F(NameDialogTest, EscapeLeavesTheFileAsItWasAndShowsTheOldTable)
{
    const std::string old = DEFAULT_FILE + "whatever followed\n";
    writeWholeFile("High.txt", old);
    Score = 5000;
    withKeys({{'x', 0}}, [] { checkHighScore(); });
    EXPECT_EQ(readWholeFile("High.txt"), old);
    EXPECT_TRUE(screenShowsLine(1, "1) Captain Bilgewig - Lvl.10 - 100pts."));
}

// A player thinking over the name costs next to nothing, and a key still
// acts within one 67 ms frame: the idle dialog sleeps between its looks,
// each sleep gives the processor away and ends within a frame, and the key
// is taken at the first look after it.
TEST_F(NameDialogTest, IdleDialogSleepsYetNoticesAKeyWithinOneFrame)
{
    RestLog rests;
    ASSERT_TRUE(rests.watching());
    bool slept = false;
    int restsBeforeTheKey = 0;
    std::thread player([&] {
        slept = rests.waitForRests(20);
        restsBeforeTheKey = rests.count();
        simulate_ukeypress(27, KEY_ESC);
    });
    const int result = runNameDialog();
    player.join();
    EXPECT_EQ(result, -1);
    EXPECT_TRUE(slept) << "the idle dialog never sleeps";
    EXPECT_LE(rests.count() - restsBeforeTheKey, 1) << "sleeps after the key came";
    // Allegro's own yielding row sleeps 1 ms at a time.
    for (const unsigned int ms : rests.lengths()) {
        EXPECT_GE(ms, 10u) << "a sleep only yields";
        EXPECT_LT(ms, 67u) << "a sleep as long as a frame";
    }
}
