// A widget's label drawn straight over the face the widget just painted
// (no background box), as the "GTK", "ASE" and "Win95" buttons, check boxes
// and radio buttons show it. gui_textout_ex underlines '&' hot keys.
#ifndef WIDGETS_SHARED_TRANSPARENT_LABEL_H
#define WIDGETS_SHARED_TRANSPARENT_LABEL_H

// Draws `text` on screen at (x, y) in `colour`, centred on x when `centre`
// is non-zero; the caller's text mode is left as it was.
void draw_transparent_label(const char *text, int x, int y, int colour, int centre);

#endif
