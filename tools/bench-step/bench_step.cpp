// bench-step: what one play step costs, with 0, 50 and 500 monsters on the
// level. A step here is the game's own play step run headless: the player's
// turn, spawning, every monster's step, the frame drawn into memory bitmaps
// (camera window, actors, status bar) and the trap rule; the timer wait and
// the 400 ms trap hold are left out. The play timer allows 66.7 ms a step.
//
//   bench-step [STEPS]     (run from the build directory to use its art)
//
// Each step is timed on the thread's CPU clock, which a busy machine does
// not inflate, and on the wall clock. The last three lines read
// "monsters M median_us X", the median CPU time of a step.
#include <allegro.h>
#include <time.h>

#include <algorithm>
#include <utility>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "input/step_input.h"
#include "play/headless_run.h"
#include "play/play_loop.h"
#include "play/trap_rule.h"
#include "world/world.h"

namespace {

constexpr double STEP_BUDGET_US = 1e6 / 15.0;

// The step being measured, for the pacing player.
int StepNumber = 0;

// The player paces left and right, as a player exploring would.
StepInput pacingPlayer()
{
    StepInput input;
    input.walk.right = (StepNumber / 8) % 2 == 0;
    input.walk.left = !input.walk.right;
    return input;
}

bool occupied(int x, int y)
{
    return (x == PlayerX && y == PlayerY) || monsterStandsOn(x, y);
}

// Brings the level's monsters to `count` (or as many as its free walkable
// cells hold), new ones on random free walkable cells.
void keepMonsters(std::size_t count)
{
    if (MonsterList.size() > count) MonsterList.resize(count);
    if (MonsterList.size() == count) return;
    std::vector<std::pair<int, int>> free;
    for (int x = 1; x < GRID_SIZE; ++x)
        for (int y = 1; y < GRID_SIZE; ++y)
            if (TileGrid[x][y]->walkable == 1 && !occupied(x, y)) free.emplace_back(x, y);
    while (MonsterList.size() < count && !free.empty()) {
        const std::size_t pick = static_cast<std::size_t>(std::rand()) % free.size();
        Monster *m = new Monster();
        m->setX(free[pick].first);
        m->setY(free[pick].second);
        MonsterList.push_back(m);
        free[pick] = free.back();
        free.pop_back();
    }
}

double threadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

struct Spread {
    double median, p90, max;
};

Spread spreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values[values.size() * 9 / 10], values.back()};
}

}  // namespace

int main(int argc, char *argv[])
{
    const int steps = argc > 1 ? std::max(11, std::atoi(argv[1])) : 1000;
    if (!startHeadlessRun()) return 2;
    StepInputSource = pacingPlayer;
    // The measured game goes on through any number of traps.
    GameOverRunner = [] { Lives = STARTING_LIVES; };

    std::srand(1);
    const int counts[] = {0, 50, 500};
    std::vector<double> medians;
    for (int monsters : counts) {
        startHeadlessGame();
        takeWorldEvents();
        std::vector<double> cpuTimes, wallTimes;
        int trapped = 0;
        for (int i = 0; i < steps + 10; ++i) {
            keepMonsters(monsters);
            StepNumber = i;

            const auto wallStart = std::chrono::steady_clock::now();
            const double cpuStart = threadCpuMicroseconds();
            playStep();
            const double cpuEnd = threadCpuMicroseconds();
            const auto wallEnd = std::chrono::steady_clock::now();

            for (const WorldEvent &event : takeWorldEvents()) trapped += event.kind == WorldEventKind::PlayerTrapped;
            if (i >= 10) {  // the first steps warm the caches
                cpuTimes.push_back(cpuEnd - cpuStart);
                wallTimes.push_back(std::chrono::duration<double, std::micro>(wallEnd - wallStart).count());
            }
        }
        const Spread cpu = spreadOf(cpuTimes);
        const Spread wall = spreadOf(wallTimes);
        std::printf("%d monsters, %d steps, %d traps, %d level(s) reached: cpu median %.1f p90 %.1f max %.1f us; "
                    "wall median %.1f p90 %.1f max %.1f us\n",
                    monsters, steps, trapped, LevelIndex + 1, cpu.median, cpu.p90, cpu.max, wall.median, wall.p90,
                    wall.max);
        medians.push_back(cpu.median);
    }
    std::printf("budget of one step at 15 steps a second: %.0f us\n", STEP_BUDGET_US);
    for (std::size_t i = 0; i < medians.size(); ++i)
        std::printf("share of the budget with %d monsters: %.2f%%\n", counts[i], 100 * medians[i] / STEP_BUDGET_US);
    for (std::size_t i = 0; i < medians.size(); ++i) std::printf("monsters %d median_us %.1f\n", counts[i], medians[i]);
    releaseWorldObjects();
    return 0;
}
END_OF_MAIN()
