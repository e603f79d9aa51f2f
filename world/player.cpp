#include "world/player.h"

#include <algorithm>

#include "world/animation.h"
#include "world/bottle.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/monster.h"
#include "world/sprite_sheet.h"
#include "world/stairs_rule.h"
#include "world/world_event.h"

// clang-format off
// The standing image.
constexpr int STILL_COLUMN = 2;
constexpr int STILL_ROW    = 0;
// clang-format on

constexpr int BOTTLE_POINTS = 10;

Player::Player() : direction(FACING_DOWN), frame(0), frameCount(4), frameDelay(0) {}

void Player::drawAt(int x, int y)
{
    drawSheetCell(frame, playerSheetRow(direction), x, y, size);
    advanceActorAnimation(frame, frameCount, frameDelay);
}

void Player::drawStill(int x, int y)
{
    drawSheetCell(STILL_COLUMN, STILL_ROW, x, y, size);
}

void Player::move(int delta, bool horizontal)
{
    const int oldDirection = direction;
    int targetX = PlayerX;
    int targetY = PlayerY;
    if (horizontal) {
        targetX += delta;
        direction = delta > 0 ? FACING_RIGHT : FACING_LEFT;
        frameCount = 2;
    } else {
        targetY += delta;
        direction = delta > 0 ? FACING_DOWN : FACING_UP;
        frameCount = 4;
    }
    // Turning restarts the walk cycle, even when the step is then refused.
    if (direction != oldDirection) frame = 0;

    const int changed = horizontal ? targetX : targetY;
    const bool insideGrid = delta > 0 ? changed <= GRID_SIZE - 1 : changed >= 0;

    const bool monsterThere = monsterStandsOn(targetX, targetY);
    auto bottle = std::find_if(BottleList.begin(), BottleList.end(),
                               [&](const Bottle *b) { return b->getX() == targetX && b->getY() == targetY; });

    // The grid is only looked up once the target is known to be inside it.
    if (!insideGrid || TileGrid[targetX][targetY]->walkable != 1 || monsterThere) return;

    PlayerX = targetX;
    PlayerY = targetY;
    if (bottle != BottleList.end()) {
        Score += BOTTLE_POINTS;
        BottleList.erase(bottle);
        WorldEvent taken{WorldEventKind::BottleTaken};
        taken.x = targetX;
        taken.y = targetY;
        taken.points = BOTTLE_POINTS;
        reportWorldEvent(taken);
    }
}

void playerTurn(const ArrowKeys &held)
{
    const int fromX = PlayerX;
    const int fromY = PlayerY;
    if (held.right) ThePlayer->move(1, true);
    if (held.left) ThePlayer->move(-1, true);
    if (held.up) ThePlayer->move(-1, false);
    if (held.down) ThePlayer->move(1, false);
    changeLevel(PlayerX != fromX || PlayerY != fromY);
}
