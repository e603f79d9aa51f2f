// A menu item's text is "label" or "label\tshortcut": the label drawn at the
// left and the shortcut right-aligned. Every look with menu hooks splits it
// the same way, copying the label into a fixed buffer; a label too long for
// the buffer is cut to fit, on a character boundary, so the buffer always
// holds whole characters of the current encoding and its terminator.
#ifndef WIDGETS_MENU_TEXT_H
#define WIDGETS_MENU_TEXT_H

enum { MENU_TEXT_BUFFER = 256 };

// Copies the label (the text before the first tab) into buf, which holds
// `size` bytes; returns the text after the tab, or null when there is none.
// A null text is an empty label.
const char *menu_text_split(const char *text, char *buf, int size);

#endif
