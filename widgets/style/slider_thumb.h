// Where a slider's thumb sits: value d2 of maximum d1 over `travel` pixels,
// in Allegro's 16.16 fixed point with the half rounded up. Looks differ in
// the travel (the slider's length less the thumb's) and in where they put
// the thumb; the arithmetic is the same.
//
// A slider whose maximum is not positive has nowhere to go: its thumb sits
// at the start (offset 0) instead of dividing by zero.
#ifndef WIDGETS_STYLE_SLIDER_THUMB_H
#define WIDGETS_STYLE_SLIDER_THUMB_H

#include <allegro.h>

int slider_thumb_pos(int travel, int max, int value);

// The thumb as "GTK" and "Win95" place it: 28 pixels long and 2 in from the
// row's sides, in a slider that is vertical when h >= w (value 0 at the
// bottom), else horizontal (0 at the left).
struct SliderThumbRect {
    int x, y, w, h;
};
SliderThumbRect slider_thumb_rect(const DIALOG *d);

#endif
