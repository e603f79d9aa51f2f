#include "world_step.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "play/play_loop.h"
#include "play/trap_rule.h"
#include "world/world.h"

void observedWorldStep(const ArrowKeys &walk, StepObserver *observer)
{
    playerTurn(walk);
    if (observer != nullptr) observer->afterPlayerTurn();
    spawnMonster();
    if (observer != nullptr) observer->afterSpawn();
    // Monsters that arrive during this loop wait for the next step, as in
    // the game.
    const std::size_t monsters = MonsterList.size();
    for (std::size_t i = 0; i < monsters; ++i) {
        Monster *monster = MonsterList[i];
        const int oldX = monster->x;
        const int oldY = monster->y;
        monster->step();
        if (observer != nullptr) observer->afterMonsterStep(static_cast<int>(i), oldX, oldY);
    }
    advanceAnimTick();
}

namespace {

// Everything a step can change that the comparison looks at, folded into
// one number.
std::uint64_t worldState()
{
    std::uint64_t hash = 1469598103934665603ull;
    auto mix = [&](long value) { hash = (hash ^ static_cast<std::uint64_t>(value)) * 1099511628211ull; };
    mix(PlayerX);
    mix(PlayerY);
    mix(LevelIndex);
    mix(Score);
    mix(AnimTick);
    mix(static_cast<long>(BottleList.size()));
    for (const Monster *m : MonsterList) {
        mix(m->x);
        mix(m->y);
        mix(m->direction);
        mix(m->resting);
        mix(m->moveAlongX);
    }
    return hash;
}

std::vector<std::uint64_t> playScripted(unsigned int seed, int steps, bool throughTheGame)
{
    std::srand(seed);
    releaseWorldObjects();
    ThePlayer = new Player();
    Score = 0;
    LevelIndex = 0;
    generateLevel();
    std::vector<std::uint64_t> states;
    // A fixed walk: long runs in each direction, so stairs get taken too.
    std::uint32_t pattern = seed * 2654435761u + 1;
    ArrowKeys walk;
    for (int step = 0; step < steps; ++step) {
        if (step % 6 == 0) {
            pattern = pattern * 1664525u + 1013904223u;
            walk.right = (pattern >> 28) & 1;
            walk.left = (pattern >> 29) & 1;
            walk.up = (pattern >> 30) & 1;
            walk.down = (pattern >> 31) & 1;
        }
        if (throughTheGame) {
            advanceWorld(walk);
        } else {
            observedWorldStep(walk, nullptr);
        }
        if (playerIsTrapped()) {
            MonsterList.clear();
            respawnBesideStairsUp();
        }
        states.push_back(worldState());
    }
    releaseWorldObjects();
    return states;
}

}  // namespace

int stepsMatchTheGame(unsigned int seed, int steps)
{
    const std::vector<std::uint64_t> game = playScripted(seed, steps, true);
    const std::vector<std::uint64_t> observed = playScripted(seed, steps, false);
    for (int i = 0; i < steps; ++i) {
        if (game[i] != observed[i]) return i + 1;
    }
    return 0;
}
