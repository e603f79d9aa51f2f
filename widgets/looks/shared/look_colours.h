// A look's colours are kept as red, green, blue tables and turned into
// values of the current colour depth by the look's init (makecol needs the
// colour depth set first, and a look may be made current again after a
// change of graphics mode). The "Photon", "NeXTStep" and "BeOS" looks share
// this.
#ifndef GROG_WIDGETS_SHARED_LOOK_COLOURS_H
#define GROG_WIDGETS_SHARED_LOOK_COLOURS_H

#include <allegro.h>

struct LookRgb {
    int r, g, b;
};

inline int look_colour(const LookRgb &c)
{
    return makecol(c.r, c.g, c.b);
}

// Fills `out` with the colours of `table`, entry for entry.
template <int N> inline void look_colours(int (&out)[N], const LookRgb (&table)[N])
{
    for (int i = 0; i < N; i++) out[i] = look_colour(table[i]);
}

#endif
