#include "world/bottle.h"

#include "world/animation.h"
#include "world/sprite_sheet.h"

// Bottle frames 0..4 stand in sheet column 5, rows 0..4.
constexpr int BOTTLE_COLUMN = 5;

Bottle::Bottle() : x(0), y(0), frame(0), frameCount(5), frameDelay(0) {}

void Bottle::drawSelf()
{
    drawSheetCell(BOTTLE_COLUMN, frame, x, y, size);
    advanceActorAnimation(frame, frameCount, frameDelay);
}
