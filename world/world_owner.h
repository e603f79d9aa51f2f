// The single owner of every cell and actor the world creates. Levels,
// lists and the store only point at these objects and never free them, so
// a kept level and the current one can share them safely; the whole lot is
// released at once when a new game begins.
#pragma once

#include <cstddef>
#include <vector>

class Tile;

class WorldOwner {
public:
    static WorldOwner &instance();

    // Called by Tile's allocation functions; nothing else needs to.
    void record(void *memory, std::size_t bytes);
    void forget(void *memory, std::size_t bytes);

    // Destroys every recorded object. Every pointer to one becomes invalid.
    void releaseAll();

    std::size_t objectCount() const { return objects_.size(); }
    std::size_t bytesHeld() const { return bytes_; }

private:
    WorldOwner() = default;

    std::vector<void *> objects_;
    std::size_t bytes_ = 0;
    bool releasing_ = false;
};

// Releases every cell and actor of the world and forgets the levels that
// pointed at them: TileGrid, MonsterList, BottleList and LevelStore are
// emptied and ThePlayer is cleared. Called when a new game begins.
void releaseWorldObjects();
