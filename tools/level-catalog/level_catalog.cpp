// level-catalog: writes the seeded-level catalog to standard output, the
// header that explains it included. The checked-in copy is
// tests/world/golden/level_catalog.txt; read its header before replacing it.
//
//   level-catalog [COUNT]     (seeds 1..COUNT, default 2000)
//
// Standard error gets how long building and hashing the levels took.
#include <allegro.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "world/world.h"

namespace {

constexpr unsigned long DEFAULT_COUNT = 2000;

const char *const HEADER = "# Seeded-level catalog: the first level each --seed from 1 to %lu gives.\n"
                           "# One line per seed: the seed, then a 64-bit FNV-1a digest in hexadecimal of\n"
                           "# the level's text (world/level_digest.h): 2,500 cell letters, column by\n"
                           "# column (' ' plain, '0'..'4' a wall and its image, '.' floor, '=' bridge,\n"
                           "# '<' and '>' stairs), \"b X,Y;\" for each bottle in list order, \"p X,Y;\"\n"
                           "# for the player's start, then \"r N;\" with the next number rand() gives.\n"
                           "# The levels come from glibc's rand(), so the digests hold for glibc.\n"
                           "#\n"
                           "# The LevelCatalog test fails, naming the first seeds, when a seed gives\n"
                           "# another level. Regenerate this file with\n"
                           "#   build/tools/level-catalog/level-catalog > tests/world/golden/level_catalog.txt\n"
                           "# ONLY after a deliberate change of the generator (its rules, or how many\n"
                           "# random numbers it draws and in what order), and say so in the commit:\n"
                           "# every --seed that players and bug reports quote then leads elsewhere.\n"
                           "# Never regenerate it to make the test pass after a change that was not\n"
                           "# meant to touch the levels: that change has altered them; find out how.\n";

}  // namespace

int main(int argc, char **argv)
{
    unsigned long count = DEFAULT_COUNT;
    if (argc > 2 || (argc == 2 && ((count = std::strtoul(argv[1], nullptr, 10)) == 0 || count > 1000000))) {
        std::fprintf(stderr, "usage: level-catalog [COUNT]\n");
        return 2;
    }
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    // Nothing is drawn; a blank sheet keeps every new cell from looking for
    // the art on disk.
    SpriteSheet = create_bitmap(6 * CELL_SIZE, 12 * CELL_SIZE);

    std::printf(HEADER, count);
    const auto start = std::chrono::steady_clock::now();
    for (unsigned long seed = 1; seed <= count; ++seed) {
        std::printf("%lu %s\n", seed, digestHex(seededLevelDigest(static_cast<unsigned int>(seed))).c_str());
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "level-catalog: %lu levels in %.2f s\n", count, seconds);
    releaseWorldObjects();
    return 0;
}
END_OF_MAIN()
