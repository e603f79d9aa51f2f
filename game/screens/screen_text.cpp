#include "screens/screen_text.h"

#include <allegro.h>

#include "platform/screen_size.h"
#include "platform/window_scale.h"
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
