// The "Photon" look's colours and colour ramps. Every colour is computed with
// makecol once per init, after the graphics mode is set, so it matches the
// screen's colour depth.
#include "widgets/themes/photon/look.h"

#include "widgets/shared/look_colours.h"

namespace {

// clang-format off
// Colour            red  green  blue    where it shows
const LookRgb PHOTON_RGB[PH_COLOUR_COUNT] = {
    /* PH_BLACK       */ {   0,    0,    0 },  // text, caret, scroll thumb ends
    /* PH_WHITE       */ { 255,  255,  255 },  // highlights, embossed labels
    /* PH_FACE        */ { 216,  216,  216 },  // background of the look
    /* PH_DISABLED    */ { 127,  127,  127 },  // disabled text
    /* PH_ETCH_DARK   */ {  75,   75,   75 },  // inner outline of the etched frame
    /* PH_ETCH_TOP    */ { 177,  177,  177 },  // outer top and left of the frame
    /* PH_ETCH_BOTTOM */ { 201,  201,  201 },  // outer bottom and right of the frame
    /* PH_EDGE_DARK   */ { 176,  176,  176 },  // dark edge of buttons and thumbs
    /* PH_FOCUS_BLUE  */ { 144,  152,  248 },  // focus underline, menu selection
    /* PH_SCROLL_EDGE */ { 161,  161,  161 },  // lines around the scroll thumb
    /* PH_TROUGH      */ { 181,  181,  181 },  // scroll trough
    /* PH_GRIP_LIGHT  */ { 235,  235,  235 },  // lit pixel of a tick dot, groove edge
    /* PH_GRIP_DARK   */ { 108,  108,  108 },  // shaded pixel of a tick dot
    /* PH_KNOB_LIGHT  */ { 237,  237,  237 },  // knob highlight
    /* PH_KNOB_SHADE  */ { 197,  197,  197 },  // knob inner shadow
    /* PH_KNOB_EDGE   */ { 162,  162,  162 },  // knob drop shadow
    /* PH_FIELD       */ { 244,  244,  244 },  // edit field face
    /* PH_FIELD_SHADE */ { 192,  192,  192 },  // edit field inner shadow
    /* PH_LIST_BG     */ { 248,  248,  248 },  // list rows; selected-row text
    /* PH_LIST_SELECT */ { 142,  162,  155 },  // selected list row
    /* PH_CROSS       */ {  24,   24,   24 },  // check-box cross
    /* PH_CROSS_SHADE */ { 153,  153,  153 },  // cross shadow, menu shadow edge
    /* PH_CHECK_HINT  */ { 204,  204,  204 },  // empty check box, groove outer line
    /* PH_GROOVE_MID  */ { 172,  172,  172 },  // slider groove and caps
    /* PH_GROOVE_DARK */ { 140,  140,  140 },  // slider groove
    /* PH_WINDOW_RIM  */ {  63,   63,   63 },  // second window outline
    /* PH_WINDOW_SHADE*/ { 157,  157,  157 },  // window bevel shadow
    /* PH_MENU_FACE   */ { 217,  217,  217 },  // menu face, window middle rim
    /* PH_TITLE_LIGHT */ { 142,  189,  255 },  // title bar highlight
    /* PH_TITLE_MID   */ {  92,  141,  223 },  // title bar stripes
    /* PH_TITLE_DARK  */ {  42,   89,  173 },  // title bar shadow
    /* PH_TICK        */ {  92,   92,   92 },  // menu tick
};
// clang-format on

int photon_palette[PH_COLOUR_COUNT];

}  // namespace

// clang-format off
// Ramp                        start red green blue    end red green blue
const Gradient photon_button_face = { 235, 235, 235,   195, 195, 195 };
const Gradient photon_thumb       = { 195, 195, 195,   235, 235, 235 };
const Gradient photon_bar         = { 197, 197, 197,   217, 217, 217 };
const Gradient photon_knob_face   = { 237, 237, 237,   197, 197, 197 };
const Gradient photon_title       = { 102, 149, 233,    71, 118, 202 };
// clang-format on

int photon_colour(PhotonColour c)
{
    return photon_palette[c];
}

void photon_compute_colours(void)
{
    look_colours(photon_palette, PHOTON_RGB);
}
