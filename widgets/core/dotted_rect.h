// The dotted focus rectangle that the "ASE" and "Win95" looks draw inside a
// focused widget: a one-pixel outline whose pixels alternate between two
// colours like a checkerboard, so it reads as dots on any face.
#ifndef WIDGETS_CORE_DOTTED_RECT_H
#define WIDGETS_CORE_DOTTED_RECT_H

// Outline of (x1, y1)-(x2, y2) on screen, corners inclusive. A pixel whose
// x + y has the parity of x1 + y1 gets `first`, every other one `second`,
// so the top-left corner is always `first`.
void dotted_rect_outline(int x1, int y1, int x2, int y2, int first, int second);

#endif
