// Text as the looks draw it: Allegro's text background, a label straight
// over a widget's face, and a font blown up from another.
#ifndef WIDGETS_LOOKS_SHARED_TEXT_H
#define WIDGETS_LOOKS_SHARED_TEXT_H

#include <allegro.h>

// Allegro 4's state-based text background (text_mode / _textmode), which the
// looks save, set and restore around their text. Allegro marks text_mode
// deprecated; this one wrapper keeps the warning out of every look.

// Sets the background used by _textmode-based drawing (-1 = transparent)
// and returns the previous one, exactly as Allegro's text_mode does.
int theme_text_mode(int mode);

// A widget's label drawn straight over the face the widget just painted
// (no background box), as the "GTK", "ASE" and "Win95" buttons, check boxes
// and radio buttons show it. gui_textout_ex underlines '&' hot keys.

// Draws `text` on screen at (x, y) in `colour`, centred on x when `centre`
// is non-zero; the caller's text mode is left as it was.
void draw_transparent_label(const char *text, int x, int y, int colour, int centre);

// A font `factor` times the size of another, each glyph of printable ASCII
// blown up pixel by pixel: a bigger font for showing how the looks' metrics
// follow text_height(font) without shipping a font file.

// A new monochrome font (free it with destroy_font), or null when memory
// runs out or `factor` is below 1.
FONT *scaled_font(FONT *source, int factor);

#endif
