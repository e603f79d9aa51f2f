// The rules the soak holds every play step to:
// - the player stands on a walkable cell;
// - no monster moves onto another monster or the player, and the player
//   never walks onto a monster (a monster may only come to share a cell by
//   spawning there, or by the player arriving beside stairs where it stands);
// - Score is 10 points for every bottle the player has picked up;
// - Lives stays within 1..3 while the game goes on;
// - a kept level comes back exactly as it was left: the same cell objects
//   of the same kind and image, the same monsters at the same cells in the
//   same chase state, the same bottles in the same order.
#pragma once

#include <map>
#include <vector>

#include "fault_log.h"
#include "level_record.h"
#include "world/level.h"
#include "world_step.h"

class RuleChecks : public StepObserver {
public:
    explicit RuleChecks(FaultLog &log) : log_(log) {}

    // A new game: no bottles picked up, no kept levels.
    void startGame();

    void beforeStep();
    void afterPlayerTurn() override;
    void afterSpawn() override;
    void afterMonsterStep(int index, int oldX, int oldY) override;
    // The player was put back beside the stairs up after a trap.
    void afterRespawn();
    // The end of a step the game goes on after.
    void afterStep();

    long levelChanges() const { return levelChanges_; }
    // Monsters that spawned onto another monster or the player: allowed.
    long spawnLandings() const { return spawnLandings_; }

private:
    void checkPlayerTurn();
    FaultLog &log_;
    Tile *gridBefore_[GRID_SIZE][GRID_SIZE] = {};
    std::vector<MonsterRecord> monstersBefore_;
    std::vector<BottleRecord> bottlesBefore_;
    int levelBefore_ = 0;
    int playerXBefore_ = 0;
    int playerYBefore_ = 0;
    std::size_t monstersBeforeSpawn_ = 0;
    long bottlesCollected_ = 0;
    long scoreAdrift_ = 0;  // points already reported as wrong
    long levelChanges_ = 0;
    long spawnLandings_ = 0;
    std::map<int, LevelRecord> keptLevels_;  // by LevelIndex, as last left
};
