// The "BeOS" look's parameters, one per colour of the palette a widget kind
// reads and two metrics, and the palette, in the current colour depth, and
// metrics its init computes from them.
#include "widgets/looks/beos/look.h"

#include <array>

BeosPalette beos_colours;
int beos_check_size;
int beos_bevel_width;

namespace {

// A colour parameter and the palette entry its value fills.
struct BeosColour {
    int *target;
    LookParamDef param;
};

constexpr BeosPalette &pal = beos_colours;

// Each row names the entry it fills; the look's parameters list the colours
// in this order.
// clang-format off
constexpr BeosColour BEOS_COLOURS[] = {
    {&pal.fg,               colour_param("text",                                 0x000000, "text")},
    {&pal.bg,               colour_param("face",                                 0xEBEBEB, "face of the look")},
    {&pal.mg,               colour_param("disabled",                             0xB8B8B8, "disabled text")},
    {&pal.outline,          colour_param("outline",                              0x606060, "outline")},
    {&pal.button_corner,    colour_param("button_corner",                        0xD8D8D8, "button corner")},
    {&pal.check_background, colour_param("check_background",                     0xE8E8E8, "check background")},
    {&pal.white,            colour_param("white",                                0xFFFFFF, "white")},
    {&pal.list_selected,    colour_param("list_selected",                        0xD8D8D8, "list selected")},
    {&pal.menu_outline,     colour_param("menu_outline",                         0x646464, "menu outline")},
    {&pal.menu_bar_outline, colour_param("menu_bar_outline",                     0x989898, "menu bar outline")},
    {&pal.menu_light,       colour_param("menu_light",                           0xEFEFEF, "menu light")},
    {&pal.menu_face,        colour_param("menu_face",                            0xD8D8D8, "menu face")},
    {&pal.menu_shadow,      colour_param("menu_shadow",                          0x989898, "menu shadow")},
    {&pal.menu_selected,    colour_param("menu_selected",                        0xB8B8B8, "menu selected")},
    {&pal.menu_separator,   colour_param("menu_separator",                       0xB8B8B8, "menu separator")},
    {&pal.tab_outline,      colour_param("tab_outline",                          0x989898, "tab outline")},
    {&pal.frame_dark,       colour_param("frame_dark",                           0x606060, "frame dark")},
    {&pal.tab_light,        colour_param("tab_light",                            0xFFFF50, "tab light")},
    {&pal.tab_shadow,       colour_param("tab_shadow",                           0xAF7B00, "tab shadow")},
    {&pal.tab_face,         colour_param("tab_face",                             0xFFCB00, "tab face")},
    {&pal.body_light,       colour_param("body_light",                           0xFFFFFF, "body light")},
    {&pal.body_face,        colour_param("body_face",                            0xE8E8E8, "body face")},
    {&pal.body_shadow,      colour_param("body_shadow",                          0x989898, "body shadow")},
    {&pal.button[0][0],     colour_param("button_normal_light",                  0xFFFFFF, "button, normal: light")},
    {&pal.button[0][1],     colour_param("button_normal_inner_light",            0xFFFFFF, "button, normal: inner light")},
    {&pal.button[0][2],     colour_param("button_normal_face",                   0xE8E8E8, "button, normal: face")},
    {&pal.button[0][3],     colour_param("button_normal_inner_shadow",           0xD8D8D8, "button, normal: inner shadow")},
    {&pal.button[0][4],     colour_param("button_normal_shadow",                 0x989898, "button, normal: shadow")},
    {&pal.button[1][0],     colour_param("button_focus_light",                   0xFFFF50, "button, focus: light")},
    {&pal.button[1][1],     colour_param("button_focus_inner_light",             0xFFFF50, "button, focus: inner light")},
    {&pal.button[1][2],     colour_param("button_focus_face",                    0xFFCB00, "button, focus: face")},
    {&pal.button[1][3],     colour_param("button_focus_inner_shadow",            0xAF7B00, "button, focus: inner shadow")},
    {&pal.button[1][4],     colour_param("button_focus_shadow",                  0xAF7B00, "button, focus: shadow")},
    {&pal.button[2][0],     colour_param("button_disabled_light",                0xFFFFFF, "button, disabled: light")},
    {&pal.button[2][1],     colour_param("button_disabled_inner_light",          0xFFFFFF, "button, disabled: inner light")},
    {&pal.button[2][2],     colour_param("button_disabled_face",                 0xE8E8E8, "button, disabled: face")},
    {&pal.button[2][3],     colour_param("button_disabled_inner_shadow",         0xD8D8D8, "button, disabled: inner shadow")},
    {&pal.button[2][4],     colour_param("button_disabled_shadow",               0xD8D8D8, "button, disabled: shadow")},
    {&pal.button[3][0],     colour_param("button_pressed_light",                 0x000000, "button, pressed: light")},
    {&pal.button[3][1],     colour_param("button_pressed_inner_light",           0x000000, "button, pressed: inner light")},
    {&pal.button[3][2],     colour_param("button_pressed_face",                  0x171717, "button, pressed: face")},
    {&pal.button[3][3],     colour_param("button_pressed_inner_shadow",          0x272727, "button, pressed: inner shadow")},
    {&pal.button[3][4],     colour_param("button_pressed_shadow",                0x676767, "button, pressed: shadow")},
    {&pal.button[4][0],     colour_param("button_pressed_disabled_light",        0xEFEFEF, "button, pressed disabled: light")},
    {&pal.button[4][1],     colour_param("button_pressed_disabled_inner_light",  0xEFEFEF, "button, pressed disabled: inner light")},
    {&pal.button[4][2],     colour_param("button_pressed_disabled_face",         0xB8B8B8, "button, pressed disabled: face")},
    {&pal.button[4][3],     colour_param("button_pressed_disabled_inner_shadow", 0x989898, "button, pressed disabled: inner shadow")},
    {&pal.button[4][4],     colour_param("button_pressed_disabled_shadow",       0x989898, "button, pressed disabled: shadow")},
    {&pal.list[0][0],       colour_param("list_normal_outer",                    0x989898, "list, normal: outer")},
    {&pal.list[0][1],       colour_param("list_normal_inner",                    0x909090, "list, normal: inner")},
    {&pal.list[0][2],       colour_param("list_normal_inner_light",              0xEBEBEB, "list, normal: inner light")},
    {&pal.list[1][0],       colour_param("list_focus_outer",                     0x989898, "list, focus: outer")},
    {&pal.list[1][1],       colour_param("list_focus_inner",                     0x0000E5, "list, focus: inner")},
    {&pal.list[1][2],       colour_param("list_focus_inner_light",               0xEBEBEB, "list, focus: inner light")},
    {&pal.scroll[0][0],     colour_param("scroll_normal_light",                  0xFFFFFF, "scroll, normal: light")},
    {&pal.scroll[0][1],     colour_param("scroll_normal_face",                   0xD8D8D8, "scroll, normal: face")},
    {&pal.scroll[0][2],     colour_param("scroll_normal_trough",                 0xC8C8C8, "scroll, normal: trough")},
    {&pal.scroll[0][3],     colour_param("scroll_normal_shadow",                 0xB8B8B8, "scroll, normal: shadow")},
    {&pal.scroll[1][0],     colour_param("scroll_focus_light",                   0xFFFF50, "scroll, focus: light")},
    {&pal.scroll[1][1],     colour_param("scroll_focus_face",                    0xFFCB00, "scroll, focus: face")},
    {&pal.scroll[1][3],     colour_param("scroll_focus_shadow",                  0xAF7B00, "scroll, focus: shadow")},
    {&pal.scroll[2][0],     colour_param("scroll_disabled_light",                0xFFFFFF, "scroll, disabled: light")},
    {&pal.scroll[2][1],     colour_param("scroll_disabled_face",                 0xF0F0F0, "scroll, disabled: face")},
    {&pal.scroll[2][2],     colour_param("scroll_disabled_trough",               0xF0F0F0, "scroll, disabled: trough")},
    {&pal.scroll[2][3],     colour_param("scroll_disabled_shadow",               0xD8D8D8, "scroll, disabled: shadow")},
    {&pal.slider[0][0],     colour_param("slider_normal_shadow",                 0x909090, "slider, normal: shadow")},
    {&pal.slider[0][1],     colour_param("slider_normal_light",                  0xFFFFFF, "slider, normal: light")},
    {&pal.slider[0][3],     colour_param("slider_normal_filled",                 0xFFCB00, "slider, normal: filled")},
    {&pal.slider[0][4],     colour_param("slider_normal_empty",                  0x9898FF, "slider, normal: empty")},
    {&pal.slider[1][0],     colour_param("slider_disabled_shadow",               0x909090, "slider, disabled: shadow")},
    {&pal.slider[1][1],     colour_param("slider_disabled_light",                0xFFFFFF, "slider, disabled: light")},
    {&pal.slider[1][3],     colour_param("slider_disabled_filled",               0xFFCB64, "slider, disabled: filled")},
    {&pal.slider[1][4],     colour_param("slider_disabled_empty",                0x9898C8, "slider, disabled: empty")},
    {&pal.edit[0][0],       colour_param("edit_normal_outer",                    0xB8B8B8, "edit, normal: outer")},
    {&pal.edit[0][1],       colour_param("edit_normal_inner",                    0x606060, "edit, normal: inner")},
    {&pal.edit[0][3],       colour_param("edit_normal_inner_bottom",             0x878787, "edit, normal: inner bottom")},
    {&pal.edit[0][4],       colour_param("edit_normal_outer_bottom",             0xFFFFFF, "edit, normal: outer bottom")},
    {&pal.edit[1][0],       colour_param("edit_focus_outer",                     0xB8B8B8, "edit, focus: outer")},
    {&pal.edit[1][1],       colour_param("edit_focus_inner",                     0x0000E5, "edit, focus: inner")},
    {&pal.edit[1][3],       colour_param("edit_focus_inner_bottom",              0x0000E5, "edit, focus: inner bottom")},
    {&pal.edit[1][4],       colour_param("edit_focus_outer_bottom",              0xFFFFFF, "edit, focus: outer bottom")},
    {&pal.button_label[BEOS_SET_PRESSED], colour_param("pressed_label",                        0xFFFFFF, "label on the dark pressed faces")},
};
// clang-format on

constexpr int BEOS_COLOUR_COUNT = sizeof BEOS_COLOURS / sizeof BEOS_COLOURS[0];
enum { BEOS_P_CHECK_SIZE = BEOS_COLOUR_COUNT, BEOS_P_BEVEL_WIDTH, BEOS_PARAM_COUNT };

// The look's parameters: the colours' rows, then the metrics.
constexpr std::array<LookParamDef, BEOS_PARAM_COUNT> beos_params()
{
    std::array<LookParamDef, BEOS_PARAM_COUNT> params{};
    for (int p = 0; p < BEOS_COLOUR_COUNT; ++p) params[p] = BEOS_COLOURS[p].param;
    params[BEOS_P_CHECK_SIZE] = size_param("check_size", 13, 40, "check box and radio button");
    params[BEOS_P_BEVEL_WIDTH] =
        pixels_param("bevel_width", 2, 1, 8, "buttons and boxes: light and shadow lines inside the outline");
    return params;
}

constexpr std::array<LookParamDef, BEOS_PARAM_COUNT> BEOS_PARAMS = beos_params();

}  // namespace

const LookParamTable beos_param_table = {&beos_record, BEOS_PARAMS.data(), BEOS_PARAM_COUNT};

void beos_make_colours(void)
{
    // look_value knows a parameter by its place in the look's table, the
    // copy of the row in BEOS_PARAMS.
    for (int p = 0; p < BEOS_COLOUR_COUNT; ++p) *BEOS_COLOURS[p].target = look_colour_value(BEOS_PARAMS[p]);
    beos_check_size = look_size_value(BEOS_PARAMS[BEOS_P_CHECK_SIZE]);
    beos_bevel_width = look_value(BEOS_PARAMS[BEOS_P_BEVEL_WIDTH]);

    // Labels: the text colour on light faces, dimmed when disabled, white
    // on the dark pressed faces.
    beos_colours.button_label[BEOS_SET_NORMAL] = beos_colours.fg;
    beos_colours.button_label[BEOS_SET_FOCUS] = beos_colours.fg;
    beos_colours.button_label[BEOS_SET_DISABLED] = beos_colours.mg;
    beos_colours.button_label[BEOS_SET_PRESSED_DISABLED] = beos_colours.button_label[BEOS_SET_PRESSED];
}
