#include "display/picture_layout.h"

#include <algorithm>

PictureLayout windowedLayout(int scale)
{
    PictureLayout layout;
    layout.width = SCREEN_WIDTH * scale;
    layout.height = SCREEN_HEIGHT * scale;
    layout.factor = scale;
    return layout;
}

int pictureColumnAt(const PictureLayout &layout, int windowX)
{
    return std::clamp((windowX - layout.left) * SCREEN_WIDTH / layout.width, 0, SCREEN_WIDTH - 1);
}

int pictureRowAt(const PictureLayout &layout, int windowY)
{
    return std::clamp((windowY - layout.top) * SCREEN_HEIGHT / layout.height, 0, SCREEN_HEIGHT - 1);
}

PictureLayout fullscreenLayout(int screenWidth, int screenHeight)
{
    PictureLayout layout;
    layout.factor = std::max(1, std::min(screenWidth / SCREEN_WIDTH, screenHeight / SCREEN_HEIGHT));
    layout.width = SCREEN_WIDTH * layout.factor;
    layout.height = SCREEN_HEIGHT * layout.factor;
    if (layout.factor == 1 && screenHeight > FILL_ABOVE_SCREEN_HEIGHT) {
        // 4:3 in steps of 4 x 3 pixels, so the shape is kept exactly.
        const int steps = std::min(screenWidth / 4, screenHeight / 3);
        if (steps * 4 > SCREEN_WIDTH) {
            layout.width = steps * 4;
            layout.height = steps * 3;
            layout.factor = 0;
        }
    }
    layout.left = (screenWidth - layout.width) / 2;
    layout.top = (screenHeight - layout.height) / 2;
    return layout;
}
