// A font `factor` times the size of another, each glyph of printable ASCII
// blown up pixel by pixel: a bigger font for showing how the looks' metrics
// follow text_height(font) without shipping a font file.
#ifndef WIDGETS_SHARED_SCALED_FONT_H
#define WIDGETS_SHARED_SCALED_FONT_H

#include <allegro.h>

// A new monochrome font (free it with destroy_font), or null when memory
// runs out or `factor` is below 1.
FONT *scaled_font(FONT *source, int factor);

#endif
