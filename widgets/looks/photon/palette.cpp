// The "Photon" look's colours and colour ramps, from its parameters. Every
// colour is computed with makecol once per init, after the graphics mode is
// set, so it matches the screen's colour depth.
#include "widgets/looks/photon/look.h"

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
