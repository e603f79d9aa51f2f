// The "Photon" look's parameters: every colour it draws with, the start and
// end of each colour ramp, and the metrics that grow with the font; and the
// colours, ramps and metrics its init computes from them. Every colour is
// computed with makecol once per init, after the graphics mode is set, so
// it matches the screen's colour depth.
#include "widgets/looks/photon/look.h"

// clang-format off
const LookParamDef PHOTON_PARAMS[PHOTON_PARAM_COUNT] = {
    colour_param("black",             0x000000, "text, caret, scroll thumb ends"),
    colour_param("white",             0xFFFFFF, "highlights, embossed labels"),
    colour_param("face",              0xD8D8D8, "background of the look"),
    colour_param("disabled",          0x7F7F7F, "disabled text"),
    colour_param("etch_dark",         0x4B4B4B, "inner outline of the etched frame"),
    colour_param("etch_top",          0xB1B1B1, "outer top and left of the frame"),
    colour_param("etch_bottom",       0xC9C9C9, "outer bottom and right of the frame"),
    colour_param("edge_dark",         0xB0B0B0, "dark edge of buttons and thumbs"),
    colour_param("focus_blue",        0x9098F8, "focus underline, menu selection"),
    colour_param("scroll_edge",       0xA1A1A1, "lines around the scroll thumb"),
    colour_param("trough",            0xB5B5B5, "scroll trough"),
    colour_param("grip_light",        0xEBEBEB, "lit pixel of a tick dot, groove edge"),
    colour_param("grip_dark",         0x6C6C6C, "shaded pixel of a tick dot"),
    colour_param("knob_light",        0xEDEDED, "knob highlight"),
    colour_param("knob_shade",        0xC5C5C5, "knob inner shadow"),
    colour_param("knob_edge",         0xA2A2A2, "knob drop shadow"),
    colour_param("field",             0xF4F4F4, "edit field face"),
    colour_param("field_shade",       0xC0C0C0, "edit field inner shadow"),
    colour_param("list_bg",           0xF8F8F8, "list rows; selected-row text"),
    colour_param("list_select",       0x8EA29B, "selected list row"),
    colour_param("cross",             0x181818, "check-box cross"),
    colour_param("cross_shade",       0x999999, "cross shadow, menu shadow edge"),
    colour_param("check_hint",        0xCCCCCC, "empty check box, groove outer line"),
    colour_param("groove_mid",        0xACACAC, "slider groove and caps"),
    colour_param("groove_dark",       0x8C8C8C, "slider groove"),
    colour_param("window_rim",        0x3F3F3F, "second window outline"),
    colour_param("window_shade",      0x9D9D9D, "window bevel shadow"),
    colour_param("menu_face",         0xD9D9D9, "menu face, window middle rim"),
    colour_param("title_light",       0x8EBDFF, "title bar highlight"),
    colour_param("title_mid",         0x5C8DDF, "title bar stripes"),
    colour_param("title_dark",        0x2A59AD, "title bar shadow"),
    colour_param("tick",              0x5C5C5C, "menu tick"),
    colour_param("button_face_start", 0xEBEBEB, "button faces: start of the ramp"),
    colour_param("button_face_end",   0xC3C3C3, "button faces: end of the ramp"),
    colour_param("thumb_start",       0xC3C3C3, "scroll thumb, open menu-bar item: start of the ramp"),
    colour_param("thumb_end",         0xEBEBEB, "scroll thumb, open menu-bar item: end of the ramp"),
    colour_param("bar_start",         0xC5C5C5, "menu-bar background and items: start of the ramp"),
    colour_param("bar_end",           0xD9D9D9, "menu-bar background and items: end of the ramp"),
    colour_param("knob_face_start",   0xEDEDED, "slider knob: start of the ramp"),
    colour_param("knob_face_end",     0xC5C5C5, "slider knob: end of the ramp"),
    colour_param("title_start",       0x6695E9, "window title bar: start of the ramp"),
    colour_param("title_end",         0x4776CA, "window title bar: end of the ramp"),
    size_param  ("check_size",        14, 40,   "check box and radio button"),
    size_param  ("title_height",      19, 60,   "window title bar"),
    pixels_param("bevel_width",       2, 1, 8,  "etched frames of boxes, buttons and icons: outer edge and dark outline"),
};
// clang-format on

const LookParamTable photon_param_table = look_param_table(&photon_record, PHOTON_PARAMS);

namespace {

int photon_palette[PH_COLOUR_COUNT];

// A ramp from the two parameters that follow each other in the table.
Gradient ramp_from(int first)
{
    const int start = look_value(PHOTON_PARAMS[first]);
    const int end = look_value(PHOTON_PARAMS[first + 1]);
    return Gradient{(start >> 16) & 0xFF, (start >> 8) & 0xFF, start & 0xFF,
                    (end >> 16) & 0xFF,   (end >> 8) & 0xFF,   end & 0xFF};
}

}  // namespace

int photon_check_size;
int photon_title_height;
int photon_bevel_width;

Gradient photon_button_face;
Gradient photon_thumb;
Gradient photon_bar;
Gradient photon_knob_face;
Gradient photon_title;

int photon_colour(PhotonColour c)
{
    return photon_palette[c];
}

void photon_compute_colours(void)
{
    for (int c = 0; c < PH_COLOUR_COUNT; c++) photon_palette[c] = look_colour_value(PHOTON_PARAMS[c]);
    photon_button_face = ramp_from(PH_P_BUTTON_FACE);
    photon_thumb = ramp_from(PH_P_THUMB);
    photon_bar = ramp_from(PH_P_BAR);
    photon_knob_face = ramp_from(PH_P_KNOB_FACE);
    photon_title = ramp_from(PH_P_TITLE);
    photon_check_size = look_size_value(PHOTON_PARAMS[PH_P_CHECK_SIZE]);
    photon_title_height = look_size_value(PHOTON_PARAMS[PH_P_TITLE_HEIGHT]);
    photon_bevel_width = look_value(PHOTON_PARAMS[PH_P_BEVEL_WIDTH]);
}
