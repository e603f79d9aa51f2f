// Builds many seeded levels and reports how long one takes, the most
// rectangle draws any room needed, and the memory one stored level holds.
//
//   bench-levels [--levels N]      (default 100000)
//
// The last line is always:
//   levels N mean_ms X max_ms Y max_attempts Z
#include <allegro.h>

#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include "world/world.h"

namespace {

long parseLevels(int argc, char **argv)
{
    long levels = 100000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--levels") == 0 && i + 1 < argc) {
            char *end = nullptr;
            levels = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || levels < 1) return -1;
        } else {
            return -1;
        }
    }
    return levels;
}

// Size of a cell object by its class.
std::size_t objectBytes(const Tile *cell)
{
    if (dynamic_cast<const Wall *>(cell)) return sizeof(Wall);
    if (dynamic_cast<const Floor *>(cell)) return sizeof(Floor);
    if (dynamic_cast<const Bridge *>(cell)) return sizeof(Bridge);
    if (dynamic_cast<const Stairs_up *>(cell)) return sizeof(Stairs_up);
    if (dynamic_cast<const Stairs_down *>(cell)) return sizeof(Stairs_down);
    return sizeof(Tile);
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The memory a level holds while it waits in LevelStore: its record (the
// cell pointers and both lists) and the distinct objects those point at.
void reportStoredLevelMemory()
{
    std::srand(1);
    releaseWorldObjects();
    generateLevel();
    const Level &level = LevelStore.back();
    // The level's lists hold pointers: their storage is counted, not the objects.
    // NOLINTBEGIN(bugprone-sizeof-expression): the pointer size is what is wanted
    const std::size_t record =
        sizeof(Level) + level.monsters.capacity() * sizeof(Monster *) + level.bottles.capacity() * sizeof(Bottle *);
    // NOLINTEND(bugprone-sizeof-expression)
    std::set<const Tile *> cells(&level.grid[0][0], &level.grid[0][0] + GRID_SIZE * GRID_SIZE);
    std::size_t cellBytes = 0;
    for (const Tile *cell : cells) cellBytes += objectBytes(cell);
    const std::size_t bottleBytes = level.bottles.size() * sizeof(Bottle);
    std::printf("stored level (seed 1): record %zu bytes, %zu cells %zu bytes, %zu bottles %zu bytes, "
                "total %zu bytes\n",
                record, cells.size(), cellBytes, level.bottles.size(), bottleBytes, record + cellBytes + bottleBytes);
    std::printf("objects created to build it (replaced cells included): %zu objects %zu bytes\n",
                WorldOwner::instance().objectCount(), WorldOwner::instance().bytesHeld());
    releaseWorldObjects();
}

}  // namespace

int main(int argc, char **argv)
{
    const long levels = parseLevels(argc, argv);
    if (levels < 0) {
        std::fprintf(stderr, "usage: bench-levels [--levels N]\n");
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "bench-levels: %s\n", allegro_error);
        return 1;
    }
    set_color_depth(16);
    // A stand-in sheet, so that no construction goes looking for the art.
    SpriteSheet = create_bitmap(6 * CELL_SIZE, 12 * CELL_SIZE);

    // Both clocks: the wall clock includes time the machine gave to other
    // programs, the thread's CPU clock is the generator's own cost.
    using Clock = std::chrono::steady_clock;
    double totalMs = 0.0;
    double maxMs = 0.0;
    double totalWallMs = 0.0;
    double maxWallMs = 0.0;
    long maxLevelAttempts = 0;
    long maxAttempts = 0;
    long shortLevels = 0;
    long roomsPlanned = 0;
    long roomsBuilt = 0;
    for (long i = 0; i < levels; ++i) {
        std::srand(static_cast<unsigned>(i));
        const auto start = Clock::now();
        const double cpuStart = threadCpuMs();
        generateLevel();
        const double ms = threadCpuMs() - cpuStart;
        const double wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        totalMs += ms;
        if (ms > maxMs) maxMs = ms;
        totalWallMs += wallMs;
        if (wallMs > maxWallMs) maxWallMs = wallMs;
        const LevelBuildReport &report = lastLevelReport();
        if (report.maxAttempts > maxAttempts) maxAttempts = report.maxAttempts;
        if (report.totalAttempts > maxLevelAttempts) maxLevelAttempts = report.totalAttempts;
        if (report.roomsBuilt < report.roomsPlanned) ++shortLevels;
        roomsPlanned += report.roomsPlanned;
        roomsBuilt += report.roomsBuilt;
        releaseWorldObjects();
    }

    reportStoredLevelMemory();
    std::printf("rooms planned %ld built %ld; levels that gave up a room: %ld\n", roomsPlanned, roomsBuilt,
                shortLevels);
    std::printf("most rectangle draws for one level %ld\n", maxLevelAttempts);
    std::printf("wall clock: mean_ms %.4f max_ms %.4f\n", totalWallMs / levels, maxWallMs);
    std::printf("thread CPU time:\n");
    std::printf("levels %ld mean_ms %.4f max_ms %.4f max_attempts %ld\n", levels, totalMs / levels, maxMs, maxAttempts);
    destroy_bitmap(SpriteSheet);
    SpriteSheet = nullptr;
    return 0;
}
END_OF_MAIN()
