#include "rule_checks.h"

#include <cstdlib>
#include <cstring>
#include <string>

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

bool walkableCell(int x, int y)
{
    return insideGrid(x, y) && TileGrid[x][y]->walkable == 1;
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

// A kept level now against the record taken when it was left: cells and
// bottles exactly; monsters by object, order and variety, each at most one
// cell from where it was left, since they have had their turn since the
// player arrived. `newcomers` appeared on it this step, at the list's end.
std::string keptLevelDifference(LevelRecord was, LevelRecord now, std::size_t newcomers)
{
    if (now.monsters.size() != was.monsters.size() + newcomers) {
        return "monsters were " + std::to_string(was.monsters.size()) + ", are " +
               std::to_string(now.monsters.size() - newcomers) + " and " + std::to_string(newcomers) + " new";
    }
    for (std::size_t i = 0; i < was.monsters.size(); ++i) {
        const MonsterRecord &a = was.monsters[i];
        const MonsterRecord &b = now.monsters[i];
        if (a.monster != b.monster || a.variety != b.variety) return "monster " + std::to_string(i) + " is another";
        if (std::abs(a.x - b.x) + std::abs(a.y - b.y) > 1) {
            return "monster " + std::to_string(i) + " was left at " + at(a.x, a.y) + ", is at " + at(b.x, b.y);
        }
    }
    was.monsters.clear();
    now.monsters.clear();
    return firstDifference(was, now);
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
    scoreBefore_ = Score;
}

void RuleChecks::afterStep(const std::vector<WorldEvent> &events)
{
    const WorldEvent *trapped = nullptr;
    const WorldEvent *appeared = nullptr;
    const WorldEvent *lastChange = nullptr;
    int appearances = 0;
    for (const WorldEvent &event : events) {
        if (event.kind == WorldEventKind::LevelChanged) {
            checkLevelChange(event, lastChange == nullptr);
            lastChange = &event;
            ++levelChanges_;
        } else if (event.kind == WorldEventKind::MonsterAppeared) {
            if (lastChange == nullptr && trapped == nullptr) appeared = &event;
            ++appearances;
        } else if (event.kind == WorldEventKind::PlayerTrapped) {
            trapped = &event;
        }
    }
    if (appearances > 1) log_.report(std::to_string(appearances) + " monsters appeared in one step");

    checkBottles(events, lastChange != nullptr);
    checkPlayer(lastChange != nullptr, trapped);
    if (trapped != nullptr) {
        if (!MonsterList.empty()) log_.report("the monsters stayed after a trap");
        if (playerIsTrapped())
            log_.report("the player is trapped right after being put back at " + at(PlayerX, PlayerY));
    } else if (lastChange == nullptr) {
        checkMonsters(appeared);
    } else if (!lastChange->newLevel) {
        const auto kept = keptLevels_.find(LevelIndex);
        if (kept != keptLevels_.end()) {
            const std::string changed = keptLevelDifference(kept->second, recordLevel(captureCurrentLevel()),
                                                            static_cast<std::size_t>(appearances));
            if (!changed.empty())
                log_.report("level " + std::to_string(LevelIndex + 1) + " came back changed: " + changed);
        }
    }
    if (Lives < 1 || Lives > STARTING_LIVES) log_.report("Lives is " + std::to_string(Lives) + " during play");
}

void RuleChecks::checkLevelChange(const WorldEvent &changed, bool first)
{
    const int from = changed.fromLevel;
    const int to = changed.toLevel;
    if (std::abs(to - from) != 1 || changed.down != (to > from)) {
        log_.report("level " + std::to_string(from + 1) + " led straight to level " + std::to_string(to + 1));
        return;
    }
    if (first && from != levelBefore_) {
        log_.report("a change from level " + std::to_string(from + 1) + " was reported on level " +
                    std::to_string(levelBefore_ + 1));
        return;
    }
    if (from >= static_cast<int>(LevelStore.size())) {
        log_.report("the level left has no place in the store");
        return;
    }
    // The level the step began on must be stored as the step found it, less
    // the bottles picked up on the way to the stairs.
    const Level &stored = LevelStore[from];
    if (first) {
        if (std::memcmp(stored.grid, gridBefore_, sizeof gridBefore_) != 0) {
            log_.report("level " + std::to_string(from + 1) + " was stored with other cells than it had");
        }
        const std::string monsters = firstDifference(monstersBefore_, recordMonsters(stored.monsters));
        if (!monsters.empty()) {
            log_.report("level " + std::to_string(from + 1) + " was stored with other monsters: " + monsters);
        }
    }
    keptLevels_[from] = recordLevel(stored);

    if (changed.newLevel) {
        if (!changed.down || to != static_cast<int>(LevelStore.size()) - 1 || keptLevels_.count(to) != 0) {
            log_.report("level " + std::to_string(to + 1) + " was made new but had been there before");
        }
    } else if (keptLevels_.count(to) == 0) {
        log_.report("level " + std::to_string(to + 1) + " was entered as kept but was never left");
    }
}

void RuleChecks::checkBottles(const std::vector<WorldEvent> &events, bool levelChanged)
{
    long reported = 0;
    long points = 0;
    for (const WorldEvent &event : events) {
        if (event.kind != WorldEventKind::BottleTaken) continue;
        ++reported;
        points += event.points;
        bool wasThere = false;
        for (const BottleRecord &b : bottlesBefore_) wasThere = wasThere || (b.x == event.x && b.y == event.y);
        if (!wasThere) log_.report("a bottle was reported taken at " + at(event.x, event.y) + " where none stood");
    }
    if (points != Score - scoreBefore_) {
        log_.report("bottles worth " + std::to_string(points) + " points were reported, the score rose by " +
                    std::to_string(Score - scoreBefore_));
    }
    // The bottles of the level the step began on, whether it is still
    // current or was stored on leaving.
    const bool stored = levelChanged && levelBefore_ < static_cast<int>(LevelStore.size());
    const long taken = bottlesTaken(bottlesBefore_, stored ? LevelStore[levelBefore_].bottles : BottleList);
    if (taken != reported) {
        log_.report(std::to_string(reported) + " bottles were reported taken, the list lost " + std::to_string(taken));
    }
    bottlesCollected_ += reported;
    if (Score != BOTTLE_POINTS * bottlesCollected_ + scoreAdrift_) {
        log_.report("Score is " + std::to_string(Score) + " after " + std::to_string(bottlesCollected_) +
                    " bottles picked up");
        // Said once: the next steps are judged by the points they add.
        scoreAdrift_ = Score - BOTTLE_POINTS * bottlesCollected_;
    }
}

void RuleChecks::checkPlayer(bool levelChanged, const WorldEvent *trapped)
{
    if (!walkableCell(PlayerX, PlayerY)) {
        log_.report("the player stands on a cell that is not walkable (or outside the grid), " + at(PlayerX, PlayerY));
    }
    if (levelChanged) return;
    // Where the player's turn ended: a trap moves the player afterwards.
    const int x = trapped != nullptr ? trapped->x : PlayerX;
    const int y = trapped != nullptr ? trapped->y : PlayerY;
    if (x == playerXBefore_ && y == playerYBefore_) return;
    for (const MonsterRecord &m : monstersBefore_) {
        if (m.x == x && m.y == y) log_.report("the player walked onto a monster at " + at(x, y));
    }
}

void RuleChecks::checkMonsters(const WorldEvent *appeared)
{
    const std::size_t expected = monstersBefore_.size() + (appeared != nullptr ? 1 : 0);
    if (MonsterList.size() != expected) {
        log_.report("the step changed the monsters from " + std::to_string(monstersBefore_.size()) + " to " +
                    std::to_string(MonsterList.size()));
        return;
    }
    auto checkMove = [&](std::size_t index, int oldX, int oldY) {
        const Monster *monster = MonsterList[index];
        const int x = monster->x;
        const int y = monster->y;
        if (x == oldX && y == oldY) return;
        const std::string which =
            "monster " + std::to_string(index) + " moved from " + at(oldX, oldY) + " to " + at(x, y);
        if (std::abs(x - oldX) + std::abs(y - oldY) != 1 || !insideGrid(x, y)) {
            log_.report(which + ", not to a neighbouring cell");
            return;
        }
        if (TileGrid[x][y]->walkable != 1) log_.report(which + ", a cell that is not walkable");
        if (x == PlayerX && y == PlayerY) log_.report(which + ", onto the player");
        for (std::size_t i = 0; i < MonsterList.size(); ++i) {
            if (i != index && MonsterList[i]->x == x && MonsterList[i]->y == y) {
                log_.report(which + ", onto monster " + std::to_string(i));
            }
        }
    };
    for (std::size_t i = 0; i < monstersBefore_.size(); ++i) {
        if (MonsterList[i] != monstersBefore_[i].monster) {
            log_.report("monster " + std::to_string(i) + " is another object after the step");
            return;
        }
        checkMove(i, monstersBefore_[i].x, monstersBefore_[i].y);
    }
    if (appeared == nullptr) return;
    if (!walkableCell(appeared->x, appeared->y)) {
        log_.report("a monster spawned on a cell that is not walkable, " + at(appeared->x, appeared->y));
        return;
    }
    // It arrived after the player's turn and before any monster moved.
    bool shared = appeared->x == PlayerX && appeared->y == PlayerY;
    for (const MonsterRecord &m : monstersBefore_) shared = shared || (m.x == appeared->x && m.y == appeared->y);
    spawnLandings_ += shared;
    checkMove(MonsterList.size() - 1, appeared->x, appeared->y);
}
