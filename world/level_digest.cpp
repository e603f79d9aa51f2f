#include "world/level_digest.h"

#include <cstdio>
#include <cstdlib>

#include "world/bottle.h"
#include "world/cells.h"
#include "world/game_start.h"
#include "world/game_state.h"
#include "world/generator.h"
#include "world/level.h"
#include "world/world_event.h"
#include "world/world_owner.h"

namespace {

char cellLetter(const Tile *cell)
{
    if (!cell) return '?';  // an empty grid slot reads as unknown rather than crashing the digest
    if (const Wall *wall = dynamic_cast<const Wall *>(cell)) return static_cast<char>('0' + wall->variant);
    if (dynamic_cast<const Floor *>(cell)) return '.';
    if (dynamic_cast<const Bridge *>(cell)) return '=';
    if (dynamic_cast<const Stairs_up *>(cell)) return '<';
    if (dynamic_cast<const Stairs_down *>(cell)) return '>';
    if (cell->kind == KIND_PLAIN) return ' ';
    return '?';
}

std::string pair(char tag, long x, long y)
{
    char text[48];
    std::snprintf(text, sizeof text, "%c %ld,%ld;", tag, x, y);
    return text;
}

}  // namespace

std::string levelText()
{
    std::string text;
    text.reserve(GRID_SIZE * GRID_SIZE + 16 * BottleList.size() + 32);
    for (int x = 0; x < GRID_SIZE; ++x) {
        for (int y = 0; y < GRID_SIZE; ++y) text += cellLetter(TileGrid[x][y]);
    }
    for (const Bottle *bottle : BottleList) text += pair('b', bottle->getX(), bottle->getY());
    text += pair('p', PlayerX, PlayerY);
    return text;
}

std::uint64_t fnv1a64(const std::string &bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::uint64_t seededLevelDigest(unsigned int seed)
{
    std::srand(seed);
    startHeadlessGame();
    // Nobody listens to these levels being built.
    clearWorldEvents();
    const int next = std::rand();
    return fnv1a64(levelText() + "r " + std::to_string(next) + ";");
}

std::string digestHex(std::uint64_t digest)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}
