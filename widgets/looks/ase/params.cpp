// The "ASE" look's parameters: the colours of its fades and bevels and its
// metrics, and the values its init reads from them.
#include "widgets/looks/ase/look.h"

// clang-format off
const LookParamDef ASE_PARAMS[ASE_PARAM_COUNT] = {
    colour_param("text",    0x000000, "outlines, labels, the window title"),
    colour_param("light",   0xFFFFFF, "top of every face, bevel light, focus dots, background"),
    colour_param("face",    0xC2C2C2, "bottom of an idle face"),
    colour_param("focus",   0xE0E0E0, "bottom of a focused face, top of an edit field"),
    colour_param("dim",     0x808080, "shadows; disabled outline, text and face"),
    colour_param("dot_dim", 0xC0C0C0, "second colour of a disabled focus rectangle"),
    size_param  ("check_size",  12, 40,   "check box and radio button"),
    pixels_param("bevel_width", 1,  1, 8, "bevel of buttons, boxes and windows, inside their outline"),
};
// clang-format on

const LookParamTable ase_param_table = look_param_table(&ase_record, ASE_PARAMS);

int ase_rgb[ASE_PARAM_COUNT];
int ase_check_size;
int ase_bevel_width = 1;

static int rgb_colour(int rgb)
{
    return cached_makecol((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int ase_colour(AseParam p)
{
    return rgb_colour(ase_rgb[p]);
}

void ase_read_params(void)
{
    for (int p = 0; p < ASE_PARAM_COUNT; p++) ase_rgb[p] = look_value(ASE_PARAMS[p]);
    ase_check_size = look_size_value(ASE_PARAMS[ASE_P_CHECK_SIZE]);
    ase_bevel_width = look_value(ASE_PARAMS[ASE_P_BEVEL]);
}
