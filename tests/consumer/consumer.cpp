// Draws a small dialog (a button, a check box, an edit field) in each of the
// seven built-in looks and the example look "JollyRoger", switching looks on
// the same rows, and checks the pixels: every widget drew something, no two
// looks drew the same, and "JollyRoger" shows its own button over "GTK"'s
// unchanged edit field. Exits 0 when all holds.
#include <sloopgui/theme.h>
#include <sloopgui/version.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "jolly_roger.h"

static const char *const LOOKS[] = {"GTK", "Photon", "Win95", "ASE", "BeOS", "NeXTStep", "Allegro", "JollyRoger"};
static const int LOOK_COUNT = sizeof LOOKS / sizeof LOOKS[0];

static char edit_text[32] = "Ahoy";

// clang-format off
static DIALOG rows[] = {
    // proc             x   y    w   h  fg bg key flags       d1  d2 dp                                  dp2      dp3
    {theme_button_proc, 10, 10,  80, 20, 0, 0, 0, 0,          0,  0, const_cast<char *>("Hoist"),        nullptr, nullptr},
    {theme_check_proc,  10, 40, 100, 16, 0, 0, 0, D_SELECTED, 0,  0, const_cast<char *>("Armed"),        nullptr, nullptr},
    {theme_edit_proc,   10, 64, 120, 14, 0, 0, 0, 0,          31, 0, edit_text,                          nullptr, nullptr},
    {nullptr,           0,  0,   0,  0,  0, 0, 0, 0,          0,  0, nullptr,                            nullptr, nullptr},
};
// clang-format on
static const int ROW_COUNT = 3;

static int failures = 0;

static void fail(const char *look, const char *what)
{
    std::printf("FAIL %s: %s\n", look, what);
    ++failures;
}

// FNV-1a over the row's pixels; also reports whether anything was drawn.
static uint32_t row_signature(const DIALOG *d, int blank, bool *drawn)
{
    uint32_t hash = 2166136261u;
    *drawn = false;
    for (int y = d->y; y < d->y + d->h; ++y)
        for (int x = d->x; x < d->x + d->w; ++x) {
            const int p = getpixel(screen, x, y);
            if (p != blank) *drawn = true;
            hash = (hash ^ static_cast<uint32_t>(p)) * 16777619u;
        }
    return hash;
}

int main(void)
{
    std::printf("sloopgui %s\n", SLOOPGUI_VERSION_STRING);
    // The installed library is the release its installed headers describe.
    if (std::strcmp(sloopgui_version(), SLOOPGUI_VERSION_STRING) != 0 ||
        sloopgui_version_number() != SLOOPGUI_VERSION_NUMBER)
        fail(sloopgui_version(), "the library's version differs from its headers'");
    if (allegro_init() != 0 || install_timer() != 0) {
        std::printf("FAIL: cannot start Allegro\n");
        return 1;
    }
    set_color_depth(16);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 320, 240, 0, 0) != 0) {
        std::printf("FAIL: no window: %s\n", allegro_error);
        return 1;
    }
    // Draw off screen, where the pixels can be read back exactly.
    BITMAP *window = screen;
    BITMAP *canvas = create_bitmap(320, 240);
    screen = canvas;
    gui_fg_color = makecol(0, 0, 0);
    gui_bg_color = makecol(255, 255, 255);
    gui_mg_color = makecol(128, 128, 128);
    if (register_jolly_roger() != THEME_OK) fail("JollyRoger", "not registered");

    const int blank = makecol(255, 0, 255);
    uint32_t signatures[LOOK_COUNT][ROW_COUNT];
    int jolly_face_pixel = -1, gtk_face_pixel = -1;
    for (int i = 0; i < LOOK_COUNT; ++i) {
        Theme *theme = find_theme(LOOKS[i]);
        if (!theme) {
            fail(LOOKS[i], "find_theme does not know it");
            continue;
        }
        shutdown_theme();
        init_theme(theme);
        gui_fg_color = theme_fg_color;
        gui_bg_color = theme_bg_color;
        gui_mg_color = theme_mg_color;
        clear_to_color(screen, blank);
        for (int r = 0; r < ROW_COUNT; ++r) object_message(&rows[r], MSG_START, 0);
        for (int r = 0; r < ROW_COUNT; ++r) object_message(&rows[r], MSG_DRAW, 0);
        for (int r = 0; r < ROW_COUNT; ++r) object_message(&rows[r], MSG_END, 0);
        for (int r = 0; r < ROW_COUNT; ++r) {
            bool drawn = false;
            signatures[i][r] = row_signature(&rows[r], blank, &drawn);
            if (!drawn) fail(LOOKS[i], "a widget drew nothing");
        }
        // Inside the button's doubled edge, above its caption.
        const int face = getpixel(screen, 14, 13);
        if (i == 0) gtk_face_pixel = face;
        if (std::strcmp(LOOKS[i], "JollyRoger") == 0) {
            jolly_face_pixel = face;
            if (face != jolly_roger_button_face()) fail(LOOKS[i], "the button face is not its own");
            if (getpixel(screen, 10, 10) != jolly_roger_button_edge()) fail(LOOKS[i], "the button edge is not its own");
        }
        std::printf("%-10s button %08x check %08x edit %08x\n", LOOKS[i], (unsigned)signatures[i][0],
                    (unsigned)signatures[i][1], (unsigned)signatures[i][2]);
    }
    shutdown_theme();

    for (int a = 0; a < LOOK_COUNT; ++a)
        for (int b = a + 1; b < LOOK_COUNT; ++b)
            if (std::memcmp(signatures[a], signatures[b], sizeof signatures[a]) == 0) {
                std::printf("FAIL: %s and %s draw the same\n", LOOKS[a], LOOKS[b]);
                ++failures;
            }
    // The example look replaces the button and check box, nothing else.
    const int jolly = LOOK_COUNT - 1;
    if (jolly_face_pixel == gtk_face_pixel) fail("JollyRoger", "its button looks like GTK's");
    if (signatures[jolly][0] == signatures[0][0]) fail("JollyRoger", "its button is GTK's");
    if (signatures[jolly][1] == signatures[0][1]) fail("JollyRoger", "its check box is GTK's");
    if (signatures[jolly][2] != signatures[0][2]) fail("JollyRoger", "its edit field is not GTK's");

    screen = window;
    destroy_bitmap(canvas);
    std::printf(failures ? "%d FAILED\n" : "all looks drawn, each its own\n", failures);
    return failures ? 1 : 0;
}
END_OF_MAIN()
