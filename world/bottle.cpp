#include "world/bottle.h"

#include "world/animation.h"
#include "world/sprite_sheet.h"

Bottle::Bottle() : x(0), y(0), frame(0), frameCount(5), frameDelay(0) {}

void Bottle::drawSelf()
{
    drawSheetCell(BOTTLE_COLUMN, frame, x, y, size);
    advanceActorAnimation(frame, frameCount, frameDelay);
}
