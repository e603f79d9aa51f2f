#include "widgets/themes/beos/palette.h"

#include "widgets/shared/look_colours.h"

BeosPalette beos_colours;

namespace {

using Rgb = LookRgb;

// An entry no kind reads; kept so every set is indexed the same way.
constexpr Rgb UNUSED = {0, 0, 0};

// clang-format off
// Button faces: 0 top/left highlight, 1 inner highlight, 2 face and outer
// highlight, 3 inner shadow, 4 outer shadow; then the label.
const Rgb BUTTON_SETS[BEOS_BUTTON_SET_COUNT][5] = {
    //  0                1                2                3                4
    { {255, 255, 255}, {255, 255, 255}, {232, 232, 232}, {216, 216, 216}, {152, 152, 152} }, // normal
    { {255, 255,  80}, {255, 255,  80}, {255, 203,   0}, {175, 123,   0}, {175, 123,   0} }, // focus
    { {255, 255, 255}, {255, 255, 255}, {232, 232, 232}, {216, 216, 216}, {216, 216, 216} }, // disabled
    { {  0,   0,   0}, {  0,   0,   0}, { 23,  23,  23}, { 39,  39,  39}, {103, 103, 103} }, // pressed
    { {239, 239, 239}, {239, 239, 239}, {184, 184, 184}, {152, 152, 152}, {152, 152, 152} }, // pressed disabled
};
const Rgb WHITE_LABEL = {255, 255, 255};

// List frames: 0 outer line, 1 inner line, 2 inner bottom/right.
const Rgb LIST_SETS[2][3] = {
    { {152, 152, 152}, {144, 144, 144}, {235, 235, 235} },  // normal
    { {152, 152, 152}, {  0,   0, 229}, {235, 235, 235} },  // focus
};

// Scroll thumb and trough: 0 light, 1 face, 2 trough, 3 shadow.
const Rgb SCROLL_SETS[BEOS_SCROLL_SET_COUNT][4] = {
    { {255, 255, 255}, {216, 216, 216}, {200, 200, 200}, {184, 184, 184} },  // normal
    { {255, 255,  80}, {255, 203,   0}, UNUSED,          {175, 123,   0} },  // focus (thumb only)
    { {255, 255, 255}, {240, 240, 240}, {240, 240, 240}, {216, 216, 216} },  // disabled
};

// Sliders: 0 groove/tick shadow, 1 groove/tick light, 3 filled part, 4 empty part.
const Rgb SLIDER_SETS[2][5] = {
    { {144, 144, 144}, {255, 255, 255}, UNUSED, {255, 203,   0}, {152, 152, 255} },  // normal
    { {144, 144, 144}, {255, 255, 255}, UNUSED, {255, 203, 100}, {152, 152, 200} },  // disabled
};

// Edit frames: 0 outer top/left, 1 inner top/left, 3 inner bottom/right, 4 outer bottom/right.
const Rgb EDIT_SETS[2][5] = {
    { {184, 184, 184}, { 96,  96,  96}, UNUSED, {135, 135, 135}, {255, 255, 255} },  // normal
    { {184, 184, 184}, {  0,   0, 229}, UNUSED, {  0,   0, 229}, {255, 255, 255} },  // focus
};

// Single colours, each with the palette member it fills.
struct Single {
    int BeosPalette::*member;
    Rgb rgb;
};
const Single SINGLES[] = {
    { &BeosPalette::fg,               {  0,   0,   0} },
    { &BeosPalette::bg,               {235, 235, 235} },
    { &BeosPalette::mg,               {184, 184, 184} },
    { &BeosPalette::outline,          { 96,  96,  96} },
    { &BeosPalette::button_corner,    {216, 216, 216} },
    { &BeosPalette::check_background, {232, 232, 232} },
    { &BeosPalette::white,            {255, 255, 255} },
    { &BeosPalette::list_selected,    {216, 216, 216} },
    { &BeosPalette::menu_outline,     {100, 100, 100} },
    { &BeosPalette::menu_bar_outline, {152, 152, 152} },
    { &BeosPalette::menu_light,       {239, 239, 239} },
    { &BeosPalette::menu_face,        {216, 216, 216} },
    { &BeosPalette::menu_shadow,      {152, 152, 152} },
    { &BeosPalette::menu_selected,    {184, 184, 184} },
    { &BeosPalette::menu_separator,   {184, 184, 184} },
    { &BeosPalette::tab_outline,      {152, 152, 152} },
    { &BeosPalette::frame_dark,       { 96,  96,  96} },
    { &BeosPalette::tab_light,        {255, 255,  80} },
    { &BeosPalette::tab_shadow,       {175, 123,   0} },
    { &BeosPalette::tab_face,         {255, 203,   0} },
    { &BeosPalette::body_light,       {255, 255, 255} },
    { &BeosPalette::body_face,        {232, 232, 232} },
    { &BeosPalette::body_shadow,      {152, 152, 152} },
};
// clang-format on

template <int ROWS, int COLS> void make_set(int (&out)[ROWS][COLS], const Rgb (&in)[ROWS][COLS])
{
    for (int s = 0; s < ROWS; ++s) look_colours(out[s], in[s]);
}

}  // namespace

void beos_make_colours(void)
{
    for (const Single &single : SINGLES) beos_colours.*single.member = look_colour(single.rgb);

    make_set(beos_colours.button, BUTTON_SETS);
    make_set(beos_colours.list, LIST_SETS);
    make_set(beos_colours.scroll, SCROLL_SETS);
    make_set(beos_colours.slider, SLIDER_SETS);
    make_set(beos_colours.edit, EDIT_SETS);

    // Labels: the text colour on light faces, dimmed when disabled, white
    // on the dark pressed faces.
    beos_colours.button_label[BEOS_SET_NORMAL] = beos_colours.fg;
    beos_colours.button_label[BEOS_SET_FOCUS] = beos_colours.fg;
    beos_colours.button_label[BEOS_SET_DISABLED] = beos_colours.mg;
    beos_colours.button_label[BEOS_SET_PRESSED] = look_colour(WHITE_LABEL);
    beos_colours.button_label[BEOS_SET_PRESSED_DISABLED] = look_colour(WHITE_LABEL);
}
