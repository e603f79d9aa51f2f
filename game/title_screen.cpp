#include "title_screen.h"

#include "high_scores.h"
#include "screen_text.h"
#include "window_scale.h"

void showTitleScreen()
{
    drawBanner("GROG SLOOP");

    // The ten best results above the title; showing them also copies the
    // WorldBitmap to the screen.
    showScoreTable();
    presentScreen();
}
