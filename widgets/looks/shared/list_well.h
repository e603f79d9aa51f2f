// The two-pixel sunken well that "GTK" and "Win95" draw round their lists
// and text boxes: on the upper left a dark outer line over a black inner
// one, on the lower right a face-coloured inner line inside a light outer
// one. Each look draws its own scroll bar over the right side afterwards.
#ifndef WIDGETS_LIST_WELL_H
#define WIDGETS_LIST_WELL_H

#include <allegro.h>

struct ListWellColours {
    int outer_dark;   // top and left edge
    int inner_dark;   // one pixel inside it
    int inner_light;  // bottom and right, one pixel inside the edge
    int outer_light;  // bottom and right edge
};

// Draws the well on screen round the w x h area at (x, y), corners inclusive.
void draw_list_well(int x, int y, int w, int h, const ListWellColours &colours);

#endif
