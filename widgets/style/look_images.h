// Widget parts drawn from the images a look file gave the look in force
// (or one of its bases).
#ifndef WIDGETS_STYLE_LOOK_IMAGES_H
#define WIDGETS_STYLE_LOOK_IMAGES_H

#include "widgets/theme.h"

// The widgets an image can draw.
enum ImageWidget { IMAGE_NONE, IMAGE_BOX, IMAGE_WINDOW, IMAGE_BUTTON, IMAGE_CHECK, IMAGE_RADIO, IMAGE_SLIDER };

// Finds the images of the look in force; after its init, which sets the
// menu hooks the menu image goes under.
void find_images_in_force(void);

// Draws nothing from images any more and gives the look its own menu hook
// back, so that its shutdown finds the hooks as its init left them.
void drop_images_in_force(void);

// Draws the row from the images when the look in force has one for it
// (with `look_proc`, the look's own slot, for what the image leaves: a
// slider's trough, a window without a frame image); false when it has none.
bool draw_from_images(ImageWidget widget, ThemeDialogProc look_proc, DIALOG *d, int c);

#endif
