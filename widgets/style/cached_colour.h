// makecol for colours a look finds while it draws (the lines of a fade, a
// grey level): at 8 bits per pixel without a colour map makecol searches
// the whole palette for the nearest entry, once per line of every fade, and
// a dialog would draw three times slower than Allegro's own procedures. The
// answers are kept until the next look is built (forget_cached_colours),
// which is when a new palette or depth must be taken up anyway.
#ifndef WIDGETS_STYLE_CACHED_COLOUR_H
#define WIDGETS_STYLE_CACHED_COLOUR_H

// makecol(r, g, b), the same value, found once per palette at 8 bits.
int cached_makecol(int r, int g, int b);

// Drops every kept colour; the layer calls it whenever a look is built.
void forget_cached_colours(void);

#endif
