#include "world/world_owner.h"

#include <algorithm>

#include "world/game_state.h"
#include "world/level.h"
#include "world/tile.h"

WorldOwner &WorldOwner::instance()
{
    // Never destroyed: objects still alive at exit stay reachable through it
    // rather than being reported as lost by a leak checker.
    static WorldOwner *owner = new WorldOwner();
    return *owner;
}

void WorldOwner::record(void *memory, std::size_t bytes)
{
    objects_.push_back(memory);
    bytes_ += bytes;
}

void WorldOwner::forget(void *memory, std::size_t bytes)
{
    bytes_ -= bytes;
    if (releasing_) return;
    // An object freed on its own, outside a release: drop it from the record
    // so the next release does not free it twice. Recent objects go first.
    auto found = std::find(objects_.rbegin(), objects_.rend(), memory);
    if (found != objects_.rend()) objects_.erase(std::next(found).base());
}

void WorldOwner::releaseAll()
{
    std::vector<void *> doomed;
    doomed.swap(objects_);
    releasing_ = true;
    for (void *memory : doomed) delete static_cast<Tile *>(memory);
    releasing_ = false;
}

void releaseWorldObjects()
{
    // Forget every pointer first, so nothing can reach a freed object.
    for (auto &column : TileGrid) std::fill(std::begin(column), std::end(column), nullptr);
    MonsterList.clear();
    BottleList.clear();
    // The store grows to the deepest level a game reached; a new game starts
    // small again, so a long session's memory does not creep up with its
    // deepest game.
    std::vector<Level>().swap(LevelStore);
    ThePlayer = nullptr;
    WorldOwner::instance().releaseAll();
}
