// A check box's or radio button's image at the size the look's metrics ask
// for: drawn as it is at its own size, stretched when the font (or the
// look's parameters) make the box bigger or smaller.
#ifndef WIDGETS_SHARED_BOX_IMAGE_H
#define WIDGETS_SHARED_BOX_IMAGE_H

#include <allegro.h>

// Draws `image` (may be null) as a sprite on `dst` at (x, y), `size`
// pixels square.
void draw_box_image(BITMAP *dst, BITMAP *image, int x, int y, int size);

#endif
