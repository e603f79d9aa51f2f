// Character art painted in a look's own colour parameters: the look keeps a
// table saying which character takes which parameter's colour, and builds
// its art's colour key from the parameters' values at init, so a changed
// colour reaches the art as it reaches everything else the look draws.
#ifndef WIDGETS_SHARED_PARAM_ART_H
#define WIDGETS_SHARED_PARAM_ART_H

#include "widgets/style/look_params.h"
#include "widgets/looks/shared/char_art.h"

struct ParamArtColour {
    char ch;
    int param;  // index into the look's parameter table
};

// Writes `count` key entries to `key`: each character of `colours` in its
// parameter's colour (0xRRGGBB) from `params`.
inline void param_art_keys(ArtKey *key, const ParamArtColour *colours, int count, const LookParamDef *params)
{
    for (int c = 0; c < count; ++c) {
        const int rgb = look_value(params[colours[c].param]);
        key[c] = ArtKey{colours[c].ch, (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF};
    }
}

#endif
