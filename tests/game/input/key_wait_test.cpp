#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <thread>

#include "input/key_wait.h"
#include "shell_fixture.h"

namespace {

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

}  // namespace

using KeyWait = ShellTest;

TEST_F(KeyWait, ReturnsAtOnceWhenAKeyIsWaitingAndLeavesIt)
{
    simulate_keypress((KEY_A << 8) | 'a');
    waitForKeyPress();
    EXPECT_TRUE(keypressed()) << "the key stays for the first play step to clear";
}

// A player reading the title screen must not cost a whole core.
TEST_F(KeyWait, SleepsWhileWaiting)
{
    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = processCpuSeconds();
    std::thread player([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        simulate_keypress((KEY_A << 8) | 'a');
    });
    waitForKeyPress();
    player.join();
    const double cpu = processCpuSeconds() - cpuStart;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    EXPECT_GE(wall, 0.5);
    EXPECT_LT(cpu, 0.25 * wall) << "cpu " << cpu << " s over " << wall << " s of waiting";
}

// Sleeping between looks must not make the player wait: a key is noticed
// within one 67 ms frame, however long the screen was shown before. A busy
// machine wakes any sleeper late; the player's own sleep shows by how much
// at that moment, and the wait may be that much later too.
TEST_F(KeyWait, NoticesAKeyWithinOneFrame)
{
    using Clock = std::chrono::steady_clock;
    using Ms = std::chrono::duration<double, std::milli>;
    for (int round = 0; round < 5; ++round) {
        Clock::time_point pressed;
        double playerLateMs = 0;
        std::thread player([&pressed, &playerLateMs, round] {
            const auto asleep = Clock::now();
            const int sleepMs = 150 + 7 * round;
            std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));
            pressed = Clock::now();
            playerLateMs = Ms(pressed - asleep).count() - sleepMs;
            simulate_keypress((KEY_A << 8) | 'a');
        });
        waitForKeyPress();
        const auto noticed = Clock::now();
        player.join();
        clear_keybuf();
        const double waitedMs = Ms(noticed - pressed).count();
        EXPECT_LT(waitedMs, 67.0 + playerLateMs) << "the player's thread woke " << playerLateMs << " ms late";
    }
}
