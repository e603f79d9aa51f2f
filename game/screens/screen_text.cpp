#include "screens/screen_text.h"

#include <allegro.h>

#include "display/screen_size.h"
#include "display/window_canvas.h"
#include "scores/high_scores.h"
#include "world/game_state.h"

void drawBanner(const char *text)
{
    textprintf_ex(WorldBitmap, font, BANNER_X, BANNER_Y, makecol(175, 175, 175), -1, "%s", text);
}

void showWorldBitmapScreen()
{
    blit(WorldBitmap, screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    presentScreen();
}

void showTitleScreen()
{
    drawBanner("GROG SLOOP");
    // What to do next, at the foot, in the banner's grey.
    textout_centre_ex(WorldBitmap, font, "Press a key to start      F1 how to play      F10 options", SCREEN_WIDTH / 2,
                      TITLE_FOOT_Y, makecol(175, 175, 175), -1);

    // The ten best results above the title; showing them also copies the
    // WorldBitmap to the screen.
    showScoreTable();
    presentScreen();
}
