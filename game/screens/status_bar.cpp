#include "screens/status_bar.h"

#include <allegro.h>

#include "display/screen_size.h"
#include "play/play_loop.h"
#include "screens/render_frame.h"
#include "screens/status_message.h"
#include "world/game_state.h"
#include "world/level.h"

BITMAP *StatusBitmap = nullptr;
BITMAP *StatusImage = nullptr;

namespace {

// clang-format off
// Where the four counters go: level and lives grow to the right from x 100,
// bottles and score to the left from x 700.
constexpr int LEFT_COLUMN_X  = 100;
constexpr int RIGHT_COLUMN_X = 700;
constexpr int UPPER_LINE_Y   = 35;
constexpr int LOWER_LINE_Y   = 55;
constexpr int PAUSE_X        = 380;
constexpr int PAUSE_Y        = 45;
// A message on the middle plaque: centred on it, one line where PAUSE
// stands or two lines on the plaque's parchment.
constexpr int PLAQUE_CENTRE_X = 400;
constexpr int ONE_LINE_Y      = PAUSE_Y;
constexpr int UPPER_OF_TWO_Y  = 40;
constexpr int LOWER_OF_TWO_Y  = 51;
// clang-format on

// The bar's background: the image, or the plain colour where it does not
// reach (rather than the texts of earlier frames).
void drawBackground()
{
    if (StatusImage == nullptr || StatusImage->w < STATUS_BAR_WIDTH || StatusImage->h < STATUS_BAR_HEIGHT)
        clear_to_color(StatusBitmap, plainStatusBackground());
    if (StatusImage != nullptr) blit(StatusImage, StatusBitmap, 0, 0, 0, 0, STATUS_BAR_WIDTH, STATUS_BAR_HEIGHT);
}

// In black, as the counters are.
void drawMessage(const StatusMessage &message)
{
    const int black = makecol(0, 0, 0);
    if (message.lower.empty()) {
        textout_centre_ex(StatusBitmap, font, message.upper.c_str(), PLAQUE_CENTRE_X, ONE_LINE_Y, black, -1);
        return;
    }
    textout_centre_ex(StatusBitmap, font, message.upper.c_str(), PLAQUE_CENTRE_X, UPPER_OF_TWO_Y, black, -1);
    textout_centre_ex(StatusBitmap, font, message.lower.c_str(), PLAQUE_CENTRE_X, LOWER_OF_TWO_Y, black, -1);
}

}  // namespace

int plainStatusBackground()
{
    // Light sand: the black texts stay readable on it.
    return makecol(214, 196, 150);
}

void drawStatusBar()
{
    const int bottlesLeft = static_cast<int>(BottleList.size());
    const int black = makecol(0, 0, 0);

    drawBackground();

    // While paused the plaque says PAUSE alone, whatever else has happened.
    if (Paused) {
        textprintf_ex(StatusBitmap, font, PAUSE_X, PAUSE_Y, black, -1, "PAUSE");
    } else {
        textprintf_ex(StatusBitmap, font, LEFT_COLUMN_X, UPPER_LINE_Y, black, -1, "Level: %d", LevelIndex + 1);
        textprintf_ex(StatusBitmap, font, LEFT_COLUMN_X, LOWER_LINE_Y, black, -1, "Lives: %d", Lives);
        textprintf_right_ex(StatusBitmap, font, RIGHT_COLUMN_X, UPPER_LINE_Y, black, -1, "Bottles left: %d",
                            bottlesLeft);
        textprintf_right_ex(StatusBitmap, font, RIGHT_COLUMN_X, LOWER_LINE_Y, black, -1, "Score: %d", Score);
        StatusMessage message;
        if (shownStatusMessage(message)) drawMessage(message);
    }

    blit(StatusBitmap, screen, 0, 0, 0, VIEW_HEIGHT, STATUS_BAR_WIDTH, STATUS_BAR_HEIGHT);
}

void drawGameOverBar(BITMAP *target, int score, int level)
{
    drawBackground();
    drawMessage(gameOverMessage(score, level));
    blit(StatusBitmap, target, 0, 0, 0, VIEW_HEIGHT, STATUS_BAR_WIDTH, STATUS_BAR_HEIGHT);
}
