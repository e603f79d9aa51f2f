// --screenshot DIR: the gallery drawn once in every registered look into a
// memory bitmap standing in for the screen, saved as DIR/<look>.bmp.
#ifndef GALLERY_SCREENSHOTS_H
#define GALLERY_SCREENSHOTS_H

// Allegro must be started and `screen` must be a 640x480 bitmap. Looks that
// start a timer of their own are skipped when `have_timer` is false (there
// is no timer without a display). Returns the number of images written, or
// -1 when one could not be saved.
int write_gallery_screenshots(const char *dir, bool have_timer);

#endif
