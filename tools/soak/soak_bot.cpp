#include "soak_bot.h"

#include <array>

#include "world/world.h"

namespace {

// clang-format off
// How the bot spends its steps, in chances per thousand and lengths in steps.
constexpr int RANDOM_KEYS_PER_MILLE  = 250;  // a random mix of arrows
constexpr int START_IDLE_PER_MILLE   = 3;    // stand still a while
constexpr int IDLE_STEPS_MIN         = 20;
constexpr int IDLE_STEPS_MAX         = 200;
constexpr int PLAN_STEPS_MIN         = 100;  // keep a target depth this long at least
constexpr int PLAN_STEPS_MAX         = 1500;
constexpr int DEEPEST_TARGET         = 6;    // target depths 0..6 (levels 1..7)
// clang-format on

SoakBot *activeBot = nullptr;

StepInput activeBotInput()
{
    return activeBot->nextInput();
}

bool free(int x, int y)
{
    return x >= 0 && y >= 0 && x < GRID_SIZE && y < GRID_SIZE && TileGrid[x][y]->walkable == 1 &&
           !monsterStandsOn(x, y);
}

}  // namespace

SoakBot::SoakBot(unsigned int seed) : random_(seed) {}

void SoakBot::takeTheControls()
{
    activeBot = this;
    StepInputSource = activeBotInput;
}

void SoakBot::startGame()
{
    idleSteps_ = 0;
    chooseDepth();
}

void SoakBot::chooseDepth()
{
    targetDepth_ = std::uniform_int_distribution<int>(0, DEEPEST_TARGET)(random_);
    stepsBeforeNewPlan_ = std::uniform_int_distribution<int>(PLAN_STEPS_MIN, PLAN_STEPS_MAX)(random_);
}

ArrowKeys SoakBot::randomKeys()
{
    std::bernoulli_distribution held(0.3);
    ArrowKeys keys;
    keys.right = held(random_);
    keys.left = held(random_);
    keys.up = held(random_);
    keys.down = held(random_);
    return keys;
}

bool SoakBot::stepTowards(Aim aim, ArrowKeys &keys)
{
    // Breadth-first over free cells from the player; the first step of the
    // way to the nearest aimed-at cell is remembered for every cell reached.
    static std::array<signed char, GRID_SIZE * GRID_SIZE> firstMove;
    static std::array<int, GRID_SIZE * GRID_SIZE> queue;
    static std::array<bool, GRID_SIZE * GRID_SIZE> aimed;
    firstMove.fill(-1);
    aimed.fill(false);
    const int wanted = aim == Aim::StairsDown ? KIND_STAIRS_DOWN : KIND_STAIRS_UP;
    if (aim == Aim::Bottle) {
        for (const Bottle *b : BottleList) aimed[b->x * GRID_SIZE + b->y] = true;
    } else {
        for (int x = 0; x < GRID_SIZE; ++x) {
            for (int y = 0; y < GRID_SIZE; ++y) aimed[x * GRID_SIZE + y] = TileGrid[x][y]->kind == wanted;
        }
    }
    const int dx[] = {1, -1, 0, 0};
    const int dy[] = {0, 0, -1, 1};
    int head = 0;
    int tail = 0;
    const int start = PlayerX * GRID_SIZE + PlayerY;
    firstMove[start] = 4;  // the start itself
    queue[tail++] = start;
    while (head < tail) {
        const int here = queue[head++];
        const int x = here / GRID_SIZE;
        const int y = here % GRID_SIZE;
        if (here != start && aimed[here]) {
            keys = ArrowKeys();
            switch (firstMove[here]) {
            case 0:
                keys.right = true;
                break;
            case 1:
                keys.left = true;
                break;
            case 2:
                keys.up = true;
                break;
            default:
                keys.down = true;
                break;
            }
            return true;
        }
        for (int d = 0; d < 4; ++d) {
            const int nx = x + dx[d];
            const int ny = y + dy[d];
            if (!free(nx, ny) || firstMove[nx * GRID_SIZE + ny] != -1) continue;
            firstMove[nx * GRID_SIZE + ny] = static_cast<signed char>(here == start ? d : firstMove[here]);
            queue[tail++] = nx * GRID_SIZE + ny;
        }
    }
    return false;
}

StepInput SoakBot::nextInput()
{
    StepInput input;
    if (idleSteps_ > 0) {
        --idleSteps_;
        return input;
    }
    std::uniform_int_distribution<int> perMille(0, 999);
    const int roll = perMille(random_);
    if (roll < START_IDLE_PER_MILLE) {
        idleSteps_ = std::uniform_int_distribution<int>(IDLE_STEPS_MIN, IDLE_STEPS_MAX)(random_);
        return input;
    }
    if (roll < START_IDLE_PER_MILLE + RANDOM_KEYS_PER_MILLE) {
        input.walk = randomKeys();
        return input;
    }
    if (--stepsBeforeNewPlan_ <= 0) chooseDepth();
    bool heading = false;
    if (LevelIndex < targetDepth_) {
        heading = stepTowards(Aim::StairsDown, input.walk);
    } else if (LevelIndex > targetDepth_) {
        heading = stepTowards(Aim::StairsUp, input.walk);
    } else {
        heading = stepTowards(Aim::Bottle, input.walk);
        // Nothing left to pick up here: time for another depth.
        if (!heading) chooseDepth();
    }
    if (!heading) input.walk = randomKeys();
    return input;
}
