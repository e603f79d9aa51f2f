// Looks a program registers: what is refused (and that a refusal leaves the
// registry as it was), a registered look found and drawn through the
// forwarders, and taking a look out again.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

std::vector<Theme *> registry_now()
{
    std::vector<Theme *> entries;
    entries.reserve(theme_count());
    for (int i = 0; i < theme_count(); ++i) entries.push_back(theme_at(i));
    return entries;
}

// Paints the row's rectangle green: proof the registered look drew it.
int green_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    rectfill(screen, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, makecol(0, 255, 0));
    return D_O_K;
}

struct RegistryTest : testing::Test {
    std::vector<Theme *> added;
    void SetUp() override
    {
        shutdown_theme();
        clear_test_screen();
        theme_count();  // the built-in looks are in before anything is compared
    }
    void TearDown() override
    {
        shutdown_theme();
        for (Theme *theme : added) unregister_theme(theme);
    }
    int add(Theme *theme)
    {
        const int result = register_theme(theme);
        if (result == THEME_OK) added.push_back(theme);
        return result;
    }
};

TEST_F(RegistryTest, BadLooksAreRefusedAndTheRegistryStaysAsItWas)
{
    const std::vector<Theme *> before = registry_now();
    Theme look = *theme_ase;

    EXPECT_EQ(add(nullptr), THEME_ERR_NULL);
    look.name = nullptr;
    EXPECT_EQ(add(&look), THEME_ERR_NAME);
    look.name = "";
    EXPECT_EQ(add(&look), THEME_ERR_NAME);
    look.name = "GTK";  // a built-in name, compared as find_theme compares
    EXPECT_EQ(add(&look), THEME_ERR_DUPLICATE);
    EXPECT_EQ(add(theme_beos), THEME_ERR_DUPLICATE);
    look.name = "gtk";  // case matters, so this one is free
    EXPECT_EQ(add(&look), THEME_OK);
    EXPECT_EQ(add(&look), THEME_ERR_DUPLICATE);
    Theme twin = look;  // another record under a taken name
    EXPECT_EQ(add(&twin), THEME_ERR_DUPLICATE);
    unregister_theme(&look);
    added.clear();

    // Every widget slot is required.
    look.name = "Holed";
    for (size_t slot = offsetof(Theme, box_proc); slot <= offsetof(Theme, rtext_proc);
         slot += sizeof(ThemeDialogProc)) {
        Theme holed = look;
        *reinterpret_cast<ThemeDialogProc *>(reinterpret_cast<char *>(&holed) + slot) = nullptr;
        EXPECT_EQ(add(&holed), THEME_ERR_MISSING_SLOT) << "slot at offset " << slot;
    }
    // Colour cells: required unless an init can still point them.
    Theme colourless = look;
    colourless.mg_color = nullptr;
    colourless.init = nullptr;
    EXPECT_EQ(add(&colourless), THEME_ERR_MISSING_SLOT);
    EXPECT_EQ(registry_now(), before);
    EXPECT_EQ(find_theme("Holed"), nullptr);
}

TEST_F(RegistryTest, AFullRegistryRefusesAndKeepsEveryEntry)
{
    static Theme looks[SLOOPGUI_REGISTRY_CAPACITY];
    static char names[SLOOPGUI_REGISTRY_CAPACITY][24];
    const int room = SLOOPGUI_REGISTRY_CAPACITY - theme_count();
    ASSERT_GT(room, 0);
    for (int i = 0; i < room; ++i) {
        looks[i] = *theme_gtk;
        std::snprintf(names[i], sizeof names[i], "Look %d", i);
        looks[i].name = names[i];
        ASSERT_EQ(add(&looks[i]), THEME_OK);
    }
    const std::vector<Theme *> full = registry_now();
    looks[room] = *theme_gtk;
    looks[room].name = "One too many";
    EXPECT_EQ(add(&looks[room]), THEME_ERR_FULL);
    EXPECT_EQ(registry_now(), full);
    EXPECT_EQ(theme_at(0), theme_gtk);
    EXPECT_EQ(theme_at(6), theme_allegro);
    EXPECT_EQ(find_theme("Look 0"), &looks[0]);
    EXPECT_EQ(theme_at(SLOOPGUI_REGISTRY_CAPACITY), nullptr);
    EXPECT_EQ(theme_at(-1), nullptr);
}

TEST_F(RegistryTest, ARegisteredLookIsFoundAndTheForwardersDrawWithIt)
{
    // Started from the stock look, whose init points the colour cells: the
    // copy must get Allegro's colours too, not a record of zeros.
    static Theme mine = *theme_allegro;
    mine.name = "Mine";
    mine.fg_color = mine.bg_color = mine.mg_color = nullptr;
    mine.button_proc = green_button_proc;
    ASSERT_EQ(add(&mine), THEME_OK);
    ASSERT_EQ(find_theme("Mine"), &mine);
    EXPECT_EQ(theme_at(theme_count() - 1), &mine);

    gui_bg_color = makecol(10, 20, 30);
    init_theme(find_theme("Mine"));
    EXPECT_EQ(theme_bg_color, makecol(10, 20, 30));
    DIALOG d = {theme_button_proc, 10, 10, 40, 20, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr};
    EXPECT_EQ(theme_button_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(rect_is(10, 10, 49, 29, rgb16(0, 255, 0)));
}

TEST_F(RegistryTest, UnregisterTakesOnlyAProgramsLookThatIsNotInUse)
{
    static Theme first = *theme_gtk, second = *theme_gtk;
    first.name = "First";
    second.name = "Second";
    ASSERT_EQ(add(&first), THEME_OK);
    ASSERT_EQ(add(&second), THEME_OK);
    const int count = theme_count();

    EXPECT_EQ(unregister_theme(nullptr), THEME_ERR_NULL);
    EXPECT_EQ(unregister_theme(theme_gtk), THEME_ERR_BUILTIN);
    init_theme(&first);
    EXPECT_EQ(unregister_theme(&first), THEME_ERR_CURRENT);
    shutdown_theme();
    EXPECT_EQ(theme_count(), count);

    EXPECT_EQ(unregister_theme(&first), THEME_OK);
    EXPECT_EQ(unregister_theme(&first), THEME_ERR_NOT_FOUND);
    EXPECT_EQ(theme_count(), count - 1);
    EXPECT_EQ(find_theme("First"), nullptr);
    EXPECT_EQ(theme_at(count - 2), &second);  // moved up into the gap
    EXPECT_EQ(find_theme("GTK"), theme_gtk);
    EXPECT_EQ(add(&first), THEME_OK);  // and it can come back
}

TEST(ThemeErrorText, EveryCodeHasAMessageOfItsOwn)
{
    std::set<std::string> texts;
    const std::string unknown = theme_error_text(1);
    // The three runs of codes: the registry's, the parameters', the files'.
    const int runs[][2] = {
        {THEME_OK, THEME_ERR_NO_SCREEN}, {THEME_ERR_PARAM, THEME_ERR_MEMORY}, {THEME_ERR_FILE, THEME_ERR_PROBLEMS}};
    for (const auto &run : runs) {
        for (int code = run[0]; code >= run[1]; --code) {
            const std::string text = theme_error_text(code);
            EXPECT_NE(text, unknown) << code;
            EXPECT_TRUE(texts.insert(text).second) << code << " says what another code says: " << text;
        }
        EXPECT_EQ(std::string(theme_error_text(run[1] - 1)), unknown);
    }
}

}  // namespace
