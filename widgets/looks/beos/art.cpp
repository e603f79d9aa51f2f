// The look's small images: check boxes, radio buttons, slider knobs and the
// sub-menu arrow, painted once at init from 13 x 13 character templates
// through one of three colour keys (normal, focus, disabled).
#include <array>

#include "widgets/looks/beos/look.h"

// clang-format off
// Check-box square.
constexpr BeosTemplate BOX_TEMPLATE = {
    ".............",
    ".xxxxxxxxxxx|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x__________|",
    ".||||||||||||",
};

// Check mark.
constexpr BeosTemplate CROSS_TEMPLATE = {
    "             ",
    "             ",
    "             ",
    "   oo   oo   ",
    "   ooo ooo   ",
    "    ooooo    ",
    "     ooo     ",
    "    ooooo    ",
    "   ooo ooo   ",
    "   oo   oo   ",
    "             ",
    "             ",
    "             ",
};

// Focus outline around the check-box square.
constexpr BeosTemplate BOX_FOCUS_TEMPLATE = {
    "xxxxxxxxxxxxx",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    "xxxxxxxxxxxxx",
};

// Radio circle.
constexpr BeosTemplate CIRCLE_TEMPLATE = {
    "////.....////",
    "//..xxxxx..//",
    "/.xx|||||x_|/",
    "/.x|||||||_|/",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    ".x|||||||||_|",
    "/.x|||||||_|/",
    "/.__|||||__|/",
    "//||_____||//",
    "////|||||////",
};

// Radio dot.
constexpr BeosTemplate DOT_TEMPLATE = {
    "             ",
    "             ",
    "    IIIII    ",
    "   IooooII   ",
    "  Ioo|oooII  ",
    "  Io|ooooII  ",
    "  IooooooII  ",
    "  IoooooIII  ",
    "  IIoooIIII  ",
    "   IIIIIII   ",
    "    IIIII    ",
    "             ",
    "             ",
};

// Focus ring around the radio circle.
constexpr BeosTemplate CIRCLE_FOCUS_TEMPLATE = {
    "    xxxxx    ",
    "  xx     xx  ",
    " x         x ",
    " x         x ",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    "x           x",
    " x         x ",
    " x         x ",
    "  xx     xx  ",
    "    xxxxx    ",
};

// Slider knob.
constexpr BeosTemplate KNOB_TEMPLATE = {
    " ----------  ",
    "|XXXXXXXXXX` ",
    "|XXXXXXXXX+- ",
    "|XXXXXXXXi+- ",
    "|XXXXXXXXi+- ",
    "|XXXXXXXXi+- ",
    "|XXXXXXXXi+- ",
    "|XXXXXXXXi+- ",
    "|XXXXXXXXi+- ",
    "|XXiiiiiii+- ",
    "|X+++++++++- ",
    " `---------` ",
    "             ",
};

// Sub-menu arrow.
constexpr BeosTemplate ARROW_TEMPLATE = {
    "             ",
    "             ",
    " ,,          ",
    " ,|,,        ",
    " ,|||,,      ",
    " ,|__||,,    ",
    " ,|____|;,,  ",
    " ,|__;;,,    ",
    " ,|;;,,      ",
    " ,;,,        ",
    " ,,          ",
    "             ",
    "             ",
};
// clang-format on

namespace {

// Every row must hold exactly 13 characters: a short row would silently
// leave pixels unpainted.
constexpr bool rows_are_full(const BeosTemplate &tpl)
{
    for (int r = 0; r < BEOS_ART_SIZE; ++r) {
        for (int c = 0; c < BEOS_ART_SIZE; ++c)
            if (tpl[r][c] == '\0') return false;
        if (tpl[r][BEOS_ART_SIZE] != '\0') return false;
    }
    return true;
}
static_assert(rows_are_full(BOX_TEMPLATE), "BOX_TEMPLATE rows must be 13 wide");
static_assert(rows_are_full(CROSS_TEMPLATE), "CROSS_TEMPLATE rows must be 13 wide");
static_assert(rows_are_full(BOX_FOCUS_TEMPLATE), "BOX_FOCUS_TEMPLATE rows must be 13 wide");
static_assert(rows_are_full(CIRCLE_TEMPLATE), "CIRCLE_TEMPLATE rows must be 13 wide");
static_assert(rows_are_full(DOT_TEMPLATE), "DOT_TEMPLATE rows must be 13 wide");
static_assert(rows_are_full(CIRCLE_FOCUS_TEMPLATE), "CIRCLE_FOCUS_TEMPLATE rows must be 13 wide");
static_assert(rows_are_full(KNOB_TEMPLATE), "KNOB_TEMPLATE rows must be 13 wide");
static_assert(rows_are_full(ARROW_TEMPLATE), "ARROW_TEMPLATE rows must be 13 wide");

struct Rgb {
    int r, g, b;
};
constexpr Rgb NONE = {-2, -2, -2};  // the key does not hold this symbol

struct KeyRow {
    char symbol;
    Rgb colour[3];  // KEY_NORMAL, KEY_FOCUS, KEY_DISABLED
};

// clang-format off
// The three colour keys side by side, one symbol per line.
constexpr KeyRow KEY_TABLE[] = {
    // symbol    KEY_NORMAL        KEY_FOCUS         KEY_DISABLED
    { '`',     { {  0,   0,   0}, {  0,   0,   0}, {  0,   0,   0} } },
    { 'x',     { { 96,  96,  96}, {175, 123,   0}, {152, 152, 152} } },
    { '-',     { {120, 120, 120}, {120, 120, 120}, {120, 120, 120} } },
    { ',',     { {128, 128, 128}, NONE,            {128, 128, 128} } },
    { '+',     { {144, 144, 144}, {175, 123,   0}, {144, 144, 144} } },
    { ';',     { {152, 152, 152}, NONE,            {152, 152, 152} } },
    { '.',     { {184, 184, 184}, {184, 184, 184}, {216, 216, 216} } },
    { 'i',     { {200, 200, 200}, {255, 203,   0}, {200, 200, 200} } },
    { '/',     { {235, 235, 235}, {235, 235, 235}, {235, 235, 235} } },
    { 'X',     { {240, 240, 240}, {250, 250,  80}, {240, 240, 240} } },
    { '_',     { {216, 216, 216}, {255, 203,   0}, {184, 184, 184} } },
    { '|',     { {255, 255, 255}, {250, 250,  80}, {239, 239, 239} } },
    { 'o',     { {  0,   0, 229}, {  0,   0, 229}, {156, 156, 244} } },
    { 'I',     { {  0,   0, 154}, {  0,   0, 154}, {102, 102, 152} } },
};
// clang-format on
constexpr int KEY_ROWS = sizeof(KEY_TABLE) / sizeof(KEY_TABLE[0]);

// One column of KEY_TABLE as a zero-terminated key.
constexpr std::array<ArtKey, KEY_ROWS + 1> key_column(int column)
{
    std::array<ArtKey, KEY_ROWS + 1> key{};
    int n = 0;
    for (const KeyRow &row : KEY_TABLE) {
        const Rgb &c = row.colour[column];
        if (c.r == NONE.r) continue;
        key[n++] = ArtKey{row.symbol, c.r, c.g, c.b};
    }
    key[n] = ArtKey{'\0', 0, 0, 0};
    return key;
}

constexpr std::array<ArtKey, KEY_ROWS + 1> KEY_NORMAL_ENTRIES = key_column(0);
constexpr std::array<ArtKey, KEY_ROWS + 1> KEY_FOCUS_ENTRIES = key_column(1);
constexpr std::array<ArtKey, KEY_ROWS + 1> KEY_DISABLED_ENTRIES = key_column(2);

}  // namespace

const ArtKey *const KEY_NORMAL = KEY_NORMAL_ENTRIES.data();
const ArtKey *const KEY_FOCUS = KEY_FOCUS_ENTRIES.data();
const ArtKey *const KEY_DISABLED = KEY_DISABLED_ENTRIES.data();

void paint_template(BITMAP *bitmap, const char *tpl, const ArtKey *key)
{
    if (!bitmap || !tpl || !key) return;
    int key_count = 0;
    while (key[key_count].ch != '\0') ++key_count;
    // A bitmap larger than the template only gets the template's 13 x 13.
    const int width = bitmap->w < BEOS_ART_SIZE ? bitmap->w : BEOS_ART_SIZE;
    const int height = bitmap->h < BEOS_ART_SIZE ? bitmap->h : BEOS_ART_SIZE;
    paint_art_block(bitmap, 0, 0, tpl, BEOS_ART_STRIDE, width, height, key, key_count);
}

BITMAP *beos_check_bitmaps[6];
BITMAP *beos_radio_bitmaps[6];
BITMAP *beos_knob_bitmaps[2];
BITMAP *beos_arrow_bitmaps[2];

namespace {

struct Layer {
    const BeosTemplate *tpl;
    const ArtKey *key;
};

// How one bitmap is made. Check and radio images are covered edge to edge
// by their base template; knobs and arrows start from the mask colour so
// their blanks stay transparent under draw_sprite.
struct Recipe {
    BITMAP **slot;
    bool masked;
    Layer layers[3];  // painted in order; a null template ends the list
};

// clang-format off
const Recipe RECIPES[] = {
    // bitmap                  masked  layers, in painting order
    { &beos_check_bitmaps[0], false, { {&BOX_TEMPLATE,    KEY_NORMAL} } },
    { &beos_check_bitmaps[1], false, { {&BOX_TEMPLATE,    KEY_NORMAL},   {&CROSS_TEMPLATE, KEY_NORMAL} } },
    { &beos_check_bitmaps[2], false, { {&BOX_TEMPLATE,    KEY_FOCUS},    {&BOX_FOCUS_TEMPLATE, KEY_NORMAL} } },
    { &beos_check_bitmaps[3], false, { {&BOX_TEMPLATE,    KEY_FOCUS},    {&CROSS_TEMPLATE, KEY_NORMAL},  {&BOX_FOCUS_TEMPLATE, KEY_NORMAL} } },
    { &beos_check_bitmaps[4], false, { {&BOX_TEMPLATE,    KEY_DISABLED} } },
    { &beos_check_bitmaps[5], false, { {&BOX_TEMPLATE,    KEY_DISABLED}, {&CROSS_TEMPLATE, KEY_DISABLED} } },
    { &beos_radio_bitmaps[0], false, { {&CIRCLE_TEMPLATE, KEY_NORMAL} } },
    { &beos_radio_bitmaps[1], false, { {&CIRCLE_TEMPLATE, KEY_NORMAL},   {&DOT_TEMPLATE, KEY_NORMAL} } },
    { &beos_radio_bitmaps[2], false, { {&CIRCLE_TEMPLATE, KEY_FOCUS},    {&CIRCLE_FOCUS_TEMPLATE, KEY_NORMAL} } },
    { &beos_radio_bitmaps[3], false, { {&CIRCLE_TEMPLATE, KEY_FOCUS},    {&DOT_TEMPLATE, KEY_NORMAL},    {&CIRCLE_FOCUS_TEMPLATE, KEY_NORMAL} } },
    { &beos_radio_bitmaps[4], false, { {&CIRCLE_TEMPLATE, KEY_DISABLED} } },
    { &beos_radio_bitmaps[5], false, { {&CIRCLE_TEMPLATE, KEY_DISABLED}, {&DOT_TEMPLATE, KEY_DISABLED} } },
    { &beos_knob_bitmaps[0],  true,  { {&KNOB_TEMPLATE,   KEY_NORMAL} } },
    { &beos_knob_bitmaps[1],  true,  { {&KNOB_TEMPLATE,   KEY_FOCUS} } },
    { &beos_arrow_bitmaps[0], true,  { {&ARROW_TEMPLATE,  KEY_NORMAL} } },
    { &beos_arrow_bitmaps[1], true,  { {&ARROW_TEMPLATE,  KEY_DISABLED} } },
};
// clang-format on

}  // namespace

void beos_build_bitmaps(void)
{
    // A second init without a shutdown must not leak the first set.
    beos_destroy_bitmaps();
    for (const Recipe &recipe : RECIPES) {
        BITMAP *bmp = create_bitmap(BEOS_ART_SIZE, BEOS_ART_SIZE);
        *recipe.slot = bmp;
        if (!bmp) continue;  // drawn without this image
        if (recipe.masked) clear_to_color(bmp, bitmap_mask_color(bmp));
        for (const Layer &layer : recipe.layers) {
            if (!layer.tpl) break;
            paint_template(bmp, &(*layer.tpl)[0][0], layer.key);
        }
    }
}

void beos_destroy_bitmaps(void)
{
    for (const Recipe &recipe : RECIPES) {
        destroy_art_bitmap(*recipe.slot);
    }
}
