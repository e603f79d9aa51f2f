#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <thread>

#include "key_wait.h"
#include "shell_fixture.h"

namespace {

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

} // namespace

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
