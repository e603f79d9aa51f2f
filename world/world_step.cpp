#include "world/world_step.h"

#include <cstddef>

#include "world/animation.h"
#include "world/level.h"
#include "world/monster.h"
#include "world/player.h"

void advanceWorld(const ArrowKeys &walk)
{
    playerTurn(walk);
    spawnMonster();
    // Monsters that arrive during this loop wait for the next step.
    const std::size_t monsters = MonsterList.size();
    for (std::size_t i = 0; i < monsters; ++i) MonsterList[i]->step();
    advanceAnimTick();
}
