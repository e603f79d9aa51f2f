#include "screens/title_screen.h"

#include "scores/high_scores.h"
#include "screens/screen_text.h"
#include "platform/window_scale.h"

void showTitleScreen()
{
    drawBanner("GROG SLOOP");

    // The ten best results above the title; showing them also copies the
    // WorldBitmap to the screen.
    showScoreTable();
    presentScreen();
}
