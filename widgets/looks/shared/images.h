// The looks' small images: a check box's or radio button's image at the
// metrics' size, and character art in a look's own colour parameters.
#ifndef WIDGETS_LOOKS_SHARED_IMAGES_H
#define WIDGETS_LOOKS_SHARED_IMAGES_H

#include <allegro.h>

#include "widgets/looks/shared/char_art.h"
#include "widgets/style/look_params.h"

// A check box's or radio button's image at the size the look's metrics ask
// for: drawn as it is at its own size, stretched when the font (or the
// look's parameters) make the box bigger or smaller.

// Draws `image` (may be null) as a sprite on `dst` at (x, y), `size`
// pixels square.
void draw_box_image(BITMAP *dst, BITMAP *image, int x, int y, int size);

// Character art painted in a look's own colour parameters: the look keeps a
// table saying which character takes which parameter's colour, and builds
// its art's colour key from the parameters' values at init, so a changed
// colour reaches the art as it reaches everything else the look draws.

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
