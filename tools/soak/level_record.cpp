#include "level_record.h"

#include <cstdio>

#include "world/bottle.h"
#include "world/cells.h"
#include "world/monster.h"
#include "world/tile.h"

namespace {

CellRecord recordCell(const Tile *cell)
{
    const Wall *wall = dynamic_cast<const Wall *>(cell);
    return {cell, cell->kind, cell->walkable, wall != nullptr ? wall->variant : -1,
            dynamic_cast<const Bridge *>(cell) != nullptr};
}

std::string cellName(int index)
{
    char text[32];
    std::snprintf(text, sizeof text, "cell (%d, %d)", index / GRID_SIZE, index % GRID_SIZE);
    return text;
}

std::string describeMonster(const MonsterRecord &m)
{
    char text[96];
    std::snprintf(text, sizeof text, "at (%d, %d) facing %d, variety %d, %s, next axis %s", m.x, m.y, m.direction,
                  m.variety, m.resting ? "resting" : "ready", m.moveAlongX ? "X" : "Y");
    return text;
}

bool same(const MonsterRecord &a, const MonsterRecord &b)
{
    return a.monster == b.monster && a.x == b.x && a.y == b.y && a.direction == b.direction && a.variety == b.variety &&
           a.moveAlongX == b.moveAlongX && a.resting == b.resting;
}

}  // namespace

std::vector<MonsterRecord> recordMonsters(const MonsterPtrList &monsters)
{
    std::vector<MonsterRecord> records;
    records.reserve(monsters.size());
    for (const Monster *m : monsters) {
        records.push_back({m, m->x, m->y, m->direction, m->variety, m->moveAlongX, m->resting});
    }
    return records;
}

std::vector<BottleRecord> recordBottles(const BottlePtrList &bottles)
{
    std::vector<BottleRecord> records;
    records.reserve(bottles.size());
    for (const Bottle *b : bottles) records.push_back({b, b->x, b->y});
    return records;
}

LevelRecord recordLevel(const Level &level)
{
    LevelRecord record;
    record.cells.reserve(GRID_SIZE * GRID_SIZE);
    for (int x = 0; x < GRID_SIZE; ++x) {
        for (int y = 0; y < GRID_SIZE; ++y) record.cells.push_back(recordCell(level.grid[x][y]));
    }
    record.monsters = recordMonsters(level.monsters);
    record.bottles = recordBottles(level.bottles);
    return record;
}

std::string firstDifference(const std::vector<MonsterRecord> &was, const std::vector<MonsterRecord> &now)
{
    if (was.size() != now.size()) {
        return "monsters were " + std::to_string(was.size()) + ", are " + std::to_string(now.size());
    }
    for (std::size_t i = 0; i < was.size(); ++i) {
        if (was[i].monster != now[i].monster) return "monster " + std::to_string(i) + " is another object";
        if (!same(was[i], now[i])) {
            return "monster " + std::to_string(i) + " was " + describeMonster(was[i]) + ", is " +
                   describeMonster(now[i]);
        }
    }
    return "";
}

std::string firstDifference(const LevelRecord &was, const LevelRecord &now)
{
    if (was.cells.size() != now.cells.size()) return "the grids differ in size";
    for (std::size_t i = 0; i < was.cells.size(); ++i) {
        const CellRecord &a = was.cells[i];
        const CellRecord &b = now.cells[i];
        if (a.cell != b.cell) return cellName(static_cast<int>(i)) + " is another object";
        if (a.kind != b.kind || a.walkable != b.walkable || a.variant != b.variant || a.bridge != b.bridge) {
            return cellName(static_cast<int>(i)) + " changed kind, walkability or image";
        }
    }
    std::string monsters = firstDifference(was.monsters, now.monsters);  // not const: returned by moving
    if (!monsters.empty()) return monsters;
    if (was.bottles.size() != now.bottles.size()) {
        return "bottles were " + std::to_string(was.bottles.size()) + ", are " + std::to_string(now.bottles.size());
    }
    for (std::size_t i = 0; i < was.bottles.size(); ++i) {
        const BottleRecord &a = was.bottles[i];
        const BottleRecord &b = now.bottles[i];
        if (a.bottle != b.bottle || a.x != b.x || a.y != b.y) {
            return "bottle " + std::to_string(i) + " was at (" + std::to_string(a.x) + ", " + std::to_string(a.y) +
                   "), is " + (a.bottle != b.bottle ? "another object" : "elsewhere");
        }
    }
    return "";
}
