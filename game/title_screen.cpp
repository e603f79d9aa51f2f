#include "title_screen.h"

#include "screen_text.h"

void showTitleScreen()
{
    drawBanner("GROG SLOOP");

    // HIGH-SCORE TABLE: the ten best results go here, drawn into the
    // WorldBitmap at x 100, y 20..200, above the title. Showing the table
    // also copies the screen, which then replaces the call below.
    showWorldBitmapScreen();
}
