// soak: plays game after game with no window, through the game's own play
// step, with a bot at the controls, and holds every step to the rules in
// rule_checks.h. Any broken rule prints a line naming the seed, the game
// and the step, and the run ends with exit status 1.
//
//   soak [--seconds N | --minutes N | --steps N] [--seed S]
//
// Runs for 10 seconds with seed 1 unless told otherwise. The steps a seed
// plays are always the same, so `--steps N` with the seed and step of a
// fault line plays up to that fault again, wherever it came up.
//
// The last lines report games, steps, level changes (and the deepest level
// reached), traps and faults, and the resident memory: the peak (VmHWM), at
// the start of game 10 and at the end (VmRSS), and the drift between those
// two in percent; then the heap in use as game 10 and as the last game
// began, which a leak would make grow even where the allocator keeps its
// high-water mark resident. A long run prints a progress line every minute.
//
// A game ends when the trap rule takes its last life; the next begins at
// once, as after the game-over screen but without the screens, the name
// dialog and the score file, which need a display and a timer. The bot's
// chance comes from its own generator seeded with S; rand() is seeded with
// S as the game seeds it, and only the levels and monsters draw from it.
#include <allegro.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fault_log.h"
#include "play/headless_run.h"
#include "play/play_loop.h"
#include "play/trap_rule.h"
#include "resident_memory.h"
#include "rule_checks.h"
#include "soak_bot.h"
#include "world/world.h"

namespace {

constexpr long DEFAULT_SECONDS = 10;
// The game whose start is the baseline of the memory drift: by then every
// allocator pool a game needs has been filled once.
constexpr long BASELINE_GAME = 10;

struct Options {
    long seconds = DEFAULT_SECONDS;
    long steps = 0;  // when given, the run ends after this many steps instead
    unsigned int seed = 1;
};

bool parseNumber(const char *text, unsigned long max, unsigned long &value)
{
    if (text == nullptr || *text < '0' || *text > '9') return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtoul(text, &end, 10);
    return errno == 0 && *end == '\0' && value <= max;
}

bool parseOptions(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const char *value = i + 1 < argc ? argv[i + 1] : nullptr;
        unsigned long number = 0;
        if (std::strcmp(argv[i], "--seconds") == 0 && parseNumber(value, 1000000, number) && number > 0) {
            options.seconds = static_cast<long>(number);
        } else if (std::strcmp(argv[i], "--minutes") == 0 && parseNumber(value, 100000, number) && number > 0) {
            options.seconds = static_cast<long>(number) * 60;
        } else if (std::strcmp(argv[i], "--steps") == 0 && parseNumber(value, 1000000000, number) && number > 0) {
            options.steps = static_cast<long>(number);
        } else if (std::strcmp(argv[i], "--seed") == 0 && parseNumber(value, 0xffffffffUL, number)) {
            options.seed = static_cast<unsigned int>(number);
        } else {
            return false;
        }
        ++i;
    }
    return true;
}

double mebibytes(long kib)
{
    return kib / 1024.0;
}

}  // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: soak [--seconds N | --minutes N | --steps N] [--seed S]\n");
        return 2;
    }
    if (!startHeadlessRun()) {
        std::fprintf(stderr, "soak: Allegro did not start\n");
        return 2;
    }
    // The last life lost only ends the step's game here; the soak starts the
    // next one itself once the step is over, as the game-over screen would.
    GameOverRunner = [] {};

    FaultLog log;
    log.seed = options.seed;

    std::srand(options.seed);
    SoakBot bot(options.seed);
    bot.takeTheControls();
    RuleChecks checks(log);
    long traps = 0;
    int deepestLevel = 1;
    long baselineKiB = 0;
    long baselineHeapKiB = 0;
    long lastGameHeapKiB = 0;
    startHeadlessGame();
    takeWorldEvents();
    bot.startGame();
    checks.startGame();

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + std::chrono::seconds(options.seconds);
    Clock::time_point nextProgress = start + std::chrono::minutes(1);
    for (;;) {
        if (options.steps > 0 && log.step == options.steps) break;
        if ((log.step & 255) == 0) {
            const Clock::time_point now = Clock::now();
            if (options.steps == 0 && now >= end) break;
            if ((options.seconds >= 120 || options.steps > 0) && now >= nextProgress) {
                nextProgress += std::chrono::minutes(1);
                std::printf("soak: %ld min: games %ld, steps %ld, faults %ld, resident %.1f MiB\n",
                            static_cast<long>(std::chrono::duration_cast<std::chrono::minutes>(now - start).count()),
                            log.game - 1, log.step, log.faults, mebibytes(residentKiB()));
                std::fflush(stdout);
            }
        }
        ++log.step;
        ++log.gameStep;

        // The game's own play step, the controls read once from the bot, which
        // never pauses, never toggles the music and never quits.
        checks.beforeStep();
        playStep();
        const std::vector<WorldEvent> events = takeWorldEvents();
        bool gameOver = false;
        for (const WorldEvent &event : events) {
            traps += event.kind == WorldEventKind::PlayerTrapped;
            gameOver = gameOver || event.kind == WorldEventKind::GameOver;
        }
        if (gameOver) {
            ++log.game;
            log.gameStep = 0;
            startHeadlessGame();
            takeWorldEvents();
            lastGameHeapKiB = heapInUseKiB();
            if (log.game == BASELINE_GAME) {
                baselineKiB = residentKiB();
                baselineHeapKiB = lastGameHeapKiB;
            }
            bot.startGame();
            checks.startGame();
            continue;
        }
        checks.afterStep(events);
        if (LevelIndex + 1 > deepestLevel) deepestLevel = LevelIndex + 1;
    }

    const long endKiB = residentKiB();
    const long seconds =
        static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count());
    std::printf("soak: seed %u, %ld s: games %ld (the last unfinished), steps %ld, level changes %ld (deepest level "
                "%d), traps %ld, faults %ld\n",
                options.seed, seconds, log.game, log.step, checks.levelChanges(), deepestLevel, traps, log.faults);
    std::printf("soak: monsters that spawned onto another monster or the player (which the rules allow): %ld\n",
                checks.spawnLandings());
    std::printf("soak: peak resident (VmHWM) %.1f MiB, resident at the end (VmRSS) %.1f MiB\n",
                mebibytes(peakResidentKiB()), mebibytes(endKiB));
    if (baselineKiB > 0) {
        std::printf("soak: resident at game %ld %.1f MiB, at the end %.1f MiB: drift %+.2f%%\n", BASELINE_GAME,
                    mebibytes(baselineKiB), mebibytes(endKiB), 100.0 * (endKiB - baselineKiB) / baselineKiB);
        // Both taken as a game had just built its first level, so they compare
        // like with like: a leak makes the second grow.
        std::printf("soak: heap in use as game %ld began %ld KiB, as game %ld began %ld KiB\n", BASELINE_GAME,
                    baselineHeapKiB, log.game, lastGameHeapKiB);
    } else {
        std::printf("soak: game %ld was not reached: no memory drift measured\n", BASELINE_GAME);
    }
    releaseWorldObjects();
    return log.faults == 0 ? 0 : 1;
}
END_OF_MAIN()
