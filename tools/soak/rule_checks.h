// The rules the soak holds every play step to, judged from the state before
// the step, the events the step reported and the state after it:
// - the player stands on a walkable cell;
// - a monster moves at most one cell, onto a walkable cell that neither the
//   player nor another monster ends the step on (a monster may only come to
//   share a cell by spawning there, or by the player arriving beside stairs
//   where it stands); at most one monster appears in a step, on a walkable
//   cell;
// - the player never walks onto a monster;
// - Score is 10 points for every bottle the player has picked up, and each
//   bottle reported taken was a bottle of the level;
// - Lives stays within 1..3 while the game goes on; a trap clears the
//   monsters and leaves the player free;
// - a level is stored as the step found it, and a kept level comes back as
//   it was left: the same cell objects of the same kind and image, the same
//   bottles in the same order, the same monsters in the same order, each at
//   most one step from where it was left.
#pragma once

#include <map>
#include <vector>

#include "fault_log.h"
#include "level_record.h"
#include "world/level.h"
#include "world/world_event.h"

class RuleChecks {
public:
    explicit RuleChecks(FaultLog &log) : log_(log) {}

    // A new game: no bottles picked up, no kept levels.
    void startGame();

    // The world as the step finds it.
    void beforeStep();
    // The step's events, oldest first, and the world it left.
    void afterStep(const std::vector<WorldEvent> &events);

    long levelChanges() const { return levelChanges_; }
    // Monsters that spawned onto another monster or the player: allowed.
    long spawnLandings() const { return spawnLandings_; }

private:
    void checkBottles(const std::vector<WorldEvent> &events, bool levelChanged);
    void checkLevelChange(const WorldEvent &changed, bool first);
    void checkMonsters(const WorldEvent *appeared);
    void checkPlayer(bool levelChanged, const WorldEvent *trapped);

    FaultLog &log_;
    Tile *gridBefore_[GRID_SIZE][GRID_SIZE] = {};
    std::vector<MonsterRecord> monstersBefore_;
    std::vector<BottleRecord> bottlesBefore_;
    int levelBefore_ = 0;
    int playerXBefore_ = 0;
    int playerYBefore_ = 0;
    int scoreBefore_ = 0;
    long bottlesCollected_ = 0;
    long scoreAdrift_ = 0;  // points already reported as wrong
    long levelChanges_ = 0;
    long spawnLandings_ = 0;
    std::map<int, LevelRecord> keptLevels_;  // by LevelIndex, as last left
};
