#include "rule_checks.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "play/new_game.h"
#include "play/trap_rule.h"
#include "world/world.h"

namespace {

constexpr int BOTTLE_POINTS = 10;

std::string at(int x, int y)
{
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

bool insideGrid(int x, int y)
{
    return x >= 0 && y >= 0 && x < GRID_SIZE && y < GRID_SIZE;
}

// Bottles of `before` that are gone from `now`, or -1 when `now` is not
// `before` with some left out, order kept.
long bottlesTaken(const std::vector<BottleRecord> &before, const BottlePtrList &now)
{
    std::size_t kept = 0;
    for (const BottleRecord &b : before) {
        if (kept < now.size() && now[kept] == b.bottle) ++kept;
    }
    if (kept != now.size()) return -1;
    return static_cast<long>(before.size() - now.size());
}

}  // namespace

void RuleChecks::startGame()
{
    bottlesCollected_ = 0;
    scoreAdrift_ = 0;
    keptLevels_.clear();
}

void RuleChecks::beforeStep()
{
    std::memcpy(gridBefore_, TileGrid, sizeof gridBefore_);
    monstersBefore_ = recordMonsters(MonsterList);
    bottlesBefore_ = recordBottles(BottleList);
    levelBefore_ = LevelIndex;
    playerXBefore_ = PlayerX;
    playerYBefore_ = PlayerY;
}

void RuleChecks::afterPlayerTurn()
{
    checkPlayerTurn();
    monstersBeforeSpawn_ = MonsterList.size();
}

void RuleChecks::checkPlayerTurn()
{
    if (LevelIndex == levelBefore_) {
        const long taken = bottlesTaken(bottlesBefore_, BottleList);
        if (taken < 0) {
            log_.report("the bottle list changed other than by bottles picked up");
        } else {
            bottlesCollected_ += taken;
        }
        const bool walked = PlayerX != playerXBefore_ || PlayerY != playerYBefore_;
        if (walked && insideGrid(PlayerX, PlayerY) && monsterStandsOn(PlayerX, PlayerY)) {
            log_.report("the player walked onto a monster at " + at(PlayerX, PlayerY));
        }
        return;
    }

    ++levelChanges_;
    if (std::abs(LevelIndex - levelBefore_) != 1) {
        log_.report("level " + std::to_string(levelBefore_ + 1) + " led straight to level " +
                    std::to_string(LevelIndex + 1));
        return;
    }
    if (levelBefore_ >= static_cast<int>(LevelStore.size())) {
        log_.report("the level left has no place in the store");
        return;
    }
    // The record stored on leaving must be the level as the step found it,
    // less the bottles picked up on the way to the stairs.
    const Level &stored = LevelStore[levelBefore_];
    if (std::memcmp(stored.grid, gridBefore_, sizeof gridBefore_) != 0) {
        log_.report("level " + std::to_string(levelBefore_ + 1) + " was stored with other cells than it had");
    }
    const std::string monsters = firstDifference(monstersBefore_, recordMonsters(stored.monsters));
    if (!monsters.empty()) {
        log_.report("level " + std::to_string(levelBefore_ + 1) + " was stored with other monsters: " + monsters);
    }
    const long taken = bottlesTaken(bottlesBefore_, stored.bottles);
    if (taken < 0) {
        log_.report("level " + std::to_string(levelBefore_ + 1) + " was stored with other bottles");
    } else {
        bottlesCollected_ += taken;
    }
    keptLevels_[levelBefore_] = recordLevel(stored);

    const auto kept = keptLevels_.find(LevelIndex);
    if (kept != keptLevels_.end()) {
        const std::string changed = firstDifference(kept->second, recordLevel(captureCurrentLevel()));
        if (!changed.empty()) {
            log_.report("level " + std::to_string(LevelIndex + 1) + " came back changed: " + changed);
        }
    } else if (LevelIndex != static_cast<int>(LevelStore.size()) - 1 || LevelIndex < levelBefore_) {
        log_.report("level " + std::to_string(LevelIndex + 1) + " was entered as kept but was never left");
    }
}

void RuleChecks::afterSpawn()
{
    const std::size_t spawned = MonsterList.size() - monstersBeforeSpawn_;
    if (MonsterList.size() < monstersBeforeSpawn_ || spawned > 1) {
        log_.report("spawning changed the monsters from " + std::to_string(monstersBeforeSpawn_) + " to " +
                    std::to_string(MonsterList.size()));
        return;
    }
    if (spawned == 1) {
        const Monster *newcomer = MonsterList.back();
        if (!insideGrid(newcomer->x, newcomer->y) || TileGrid[newcomer->x][newcomer->y]->walkable != 1) {
            log_.report("a monster spawned on a cell that is not walkable, " + at(newcomer->x, newcomer->y));
        }
        bool shared = newcomer->x == PlayerX && newcomer->y == PlayerY;
        for (std::size_t i = 0; i + 1 < MonsterList.size(); ++i) {
            shared = shared || (MonsterList[i]->x == newcomer->x && MonsterList[i]->y == newcomer->y);
        }
        spawnLandings_ += shared;
    }
}

void RuleChecks::afterMonsterStep(int index, int oldX, int oldY)
{
    const Monster *monster = MonsterList[index];
    const int x = monster->x;
    const int y = monster->y;
    if (x == oldX && y == oldY) return;
    const std::string which = "monster " + std::to_string(index) + " moved from " + at(oldX, oldY) + " to " + at(x, y);
    if (std::abs(x - oldX) + std::abs(y - oldY) != 1 || !insideGrid(x, y)) {
        log_.report(which + ", not to a neighbouring cell");
        return;
    }
    if (TileGrid[x][y]->walkable != 1) log_.report(which + ", a cell that is not walkable");
    if (x == PlayerX && y == PlayerY) log_.report(which + ", onto the player");
    for (std::size_t i = 0; i < MonsterList.size(); ++i) {
        if (static_cast<int>(i) != index && MonsterList[i]->x == x && MonsterList[i]->y == y) {
            log_.report(which + ", onto monster " + std::to_string(i));
        }
    }
}

void RuleChecks::afterRespawn()
{
    if (!MonsterList.empty()) log_.report("the monsters stayed after a trap");
    if (playerIsTrapped()) log_.report("the player is trapped right after being put back at " + at(PlayerX, PlayerY));
}

void RuleChecks::afterStep()
{
    if (!insideGrid(PlayerX, PlayerY)) {
        log_.report("the player stands outside the grid at " + at(PlayerX, PlayerY));
    } else if (TileGrid[PlayerX][PlayerY]->walkable != 1) {
        log_.report("the player stands on a cell that is not walkable, " + at(PlayerX, PlayerY));
    }
    if (Score != BOTTLE_POINTS * bottlesCollected_ + scoreAdrift_) {
        log_.report("Score is " + std::to_string(Score) + " after " + std::to_string(bottlesCollected_) +
                    " bottles picked up");
        // Said once: the next steps are judged by the points they add.
        scoreAdrift_ = Score - BOTTLE_POINTS * bottlesCollected_;
    }
    if (Lives < 1 || Lives > STARTING_LIVES) log_.report("Lives is " + std::to_string(Lives) + " during play");
}
