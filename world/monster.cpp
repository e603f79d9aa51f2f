#include "world/monster.h"

#include <cstdlib>

#include "world/animation.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/random.h"
#include "world/sprite_sheet.h"
#include "world/world_event.h"

// A monster arrives on average once in this many unpaused steps.
constexpr int SPAWN_CHANCE = 80;

Monster::Monster()
    : frame(0), frameDelay(0), moveAlongX(1), resting(0), x(0), y(0), variety(randomUpTo(2) - 1), frameCount(4),
      direction(MONSTER_FACING_UP)
{
}

void Monster::drawSelf()
{
    drawSheetCell(frame, monsterSheetRow(direction, variety), x, y, size);
    advanceActorAnimation(frame, frameCount, frameDelay);
}

static int towards(int from, int to)
{
    return from < to ? 1 : (from > to ? -1 : 0);
}

bool monsterStandsOn(int cellX, int cellY)
{
    for (const Monster *other : MonsterList) {
        if (other->x == cellX && other->y == cellY) return true;
    }
    return false;
}

void Monster::step()
{
    if (resting) {
        resting = 0;
        return;
    }
    int s;
    int targetX = x;
    int targetY = y;
    if (moveAlongX == 1) {
        s = towards(x, PlayerX);
        targetX += s;
        moveAlongX = 0;
    } else {
        s = towards(y, PlayerY);
        targetY += s;
        moveAlongX = 1;
    }
    // A target with s != 0 lies between the monster and the player, so it is
    // always inside the grid.
    const bool acceptable = s != 0 && TileGrid[targetX][targetY]->walkable == 1 &&
                            !(targetX == PlayerX && targetY == PlayerY) && !monsterStandsOn(targetX, targetY);
    if (acceptable) {
        if (targetX != x) {
            direction = s > 0 ? MONSTER_FACING_RIGHT : MONSTER_FACING_LEFT;
        } else {
            direction = s > 0 ? MONSTER_FACING_DOWN : MONSTER_FACING_UP;
        }
        x = targetX;
        y = targetY;
    }
    resting = 1;
}

void spawnMonster()
{
    if (std::rand() % SPAWN_CHANCE != 0) return;
    int cellX;
    int cellY;
    do {
        cellX = std::rand() % (GRID_SIZE - 1) + 1;
        cellY = std::rand() % (GRID_SIZE - 1) + 1;
    } while (TileGrid[cellX][cellY]->walkable != 1);
    Monster *monster = new Monster();
    MonsterList.push_back(monster);
    monster->setX(cellX);
    monster->setY(cellY);
    WorldEvent appeared{WorldEventKind::MonsterAppeared};
    appeared.x = cellX;
    appeared.y = cellY;
    appeared.monsterKind = monster->variety;
    reportWorldEvent(appeared);
}
