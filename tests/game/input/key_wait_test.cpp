#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <thread>

#include "input/key_gate.h"
#include "input/key_wait.h"
#include "shell_fixture.h"

namespace {

// The keyboard as Allegro's X11 driver feeds it: the low-level callback
// hears a key go down, then the key goes into the buffer; a held key
// repeats the same way, with no release in between.
void keyDown(int scancode, int ascii)
{
    if (keyboard_lowlevel_callback != nullptr) keyboard_lowlevel_callback(scancode);
    simulate_keypress((scancode << 8) | ascii);
}
void keyUp(int scancode)
{
    if (keyboard_lowlevel_callback != nullptr) keyboard_lowlevel_callback(scancode | 0x80);
}

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

// A waiting screen answers only keys pressed once it shows: an arrow held
// from play and repeating does not leave it, nor skip the next screen; a
// key the player presses on it does, and so does one nobody holds (a
// replay's, put into the buffer by the game itself).
TEST_F(KeyWait, AKeyHeldFromBeforeTheScreenNeverAnswersIt)
{
    using Clock = std::chrono::steady_clock;
    installKeyGate();
    keyDown(KEY_RIGHT, 0);  // held in play, before the screen shows
    answerKeysPressedFromNow();

    simulate_keypress((KEY_A << 8) | 'a');
    waitForKeyPress();
    EXPECT_EQ(readkey() >> 8, KEY_A) << "a replayed key answers at once";

    const auto shown = Clock::now();
    std::thread player([] {
        for (int repeat = 0; repeat < 10; ++repeat) {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            keyDown(KEY_RIGHT, 0);
        }
        keyUp(KEY_RIGHT);
        keyDown(KEY_ENTER, '\r');
        keyUp(KEY_ENTER);
    });
    waitForKeyPress();
    const double waited = std::chrono::duration<double>(Clock::now() - shown).count();
    player.join();
    EXPECT_EQ(readkey() >> 8, KEY_ENTER) << "the held arrow's repeats answered the screen";
    EXPECT_GE(waited, 0.29);
    answerEveryKey();
}

// After the last life is lost, no key answers the game-over screen for the
// guard's time: arrows still tapped to escape the trap are not a choice.
TEST_F(KeyWait, TheGuardAfterALostLastLifeTakesNoKey)
{
    using Clock = std::chrono::steady_clock;
    installKeyGate();
    answerKeysPressedFromNow();
    guardNextKeyWait(GAME_OVER_KEY_GUARD_MS);
    const auto shown = Clock::now();
    std::thread player([] {
        for (int tap = 0; tap < 4; ++tap) {
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            keyDown(KEY_LEFT, 0);
            keyUp(KEY_LEFT);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(GAME_OVER_KEY_GUARD_MS));
        keyDown(KEY_SPACE, ' ');
        keyUp(KEY_SPACE);
    });
    waitForKeyPress();
    const double waitedMs = std::chrono::duration<double, std::milli>(Clock::now() - shown).count();
    player.join();
    EXPECT_GE(waitedMs, GAME_OVER_KEY_GUARD_MS);
    EXPECT_EQ(readkey() >> 8, KEY_SPACE) << "an arrow tapped during the guard answered the screen";
    answerEveryKey();
}
