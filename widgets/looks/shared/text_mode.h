// Allegro 4's state-based text background (text_mode / _textmode), which the
// looks save, set and restore around their text. Allegro marks text_mode
// deprecated; this one wrapper keeps the warning out of every look.
#ifndef WIDGETS_TEXT_MODE_H
#define WIDGETS_TEXT_MODE_H

// Sets the background used by _textmode-based drawing (-1 = transparent)
// and returns the previous one, exactly as Allegro's text_mode does.
int theme_text_mode(int mode);

#endif
