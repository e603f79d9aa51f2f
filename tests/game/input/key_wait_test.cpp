#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "input/key_gate.h"
#include "input/key_wait.h"
#include "rest_log.h"
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

// A sleep between looks gives the processor away (Allegro's own yield, a
// rest of 1 ms, wakes a thousand times a second) and is over well within
// one 67 ms frame, so a key is noticed at once.
constexpr unsigned int SHORTEST_SLEEP_MS = 10;
constexpr unsigned int ONE_FRAME_MS = 67;

}  // namespace

using KeyWait = ShellTest;

TEST_F(KeyWait, ReturnsAtOnceWhenAKeyIsWaitingAndLeavesIt)
{
    simulate_keypress((KEY_A << 8) | 'a');
    waitForKeyPress();
    EXPECT_TRUE(keypressed()) << "the key stays for the first play step to clear";
}

// A player reading the title screen must not cost a whole core: the wait
// sleeps between its looks, however long the screen is shown.
TEST_F(KeyWait, SleepsWhileWaiting)
{
    RestLog rests;
    ASSERT_TRUE(rests.watching());
    bool slept = false;
    std::thread player([&] {
        slept = rests.waitForRests(10);
        simulate_keypress((KEY_A << 8) | 'a');
    });
    waitForKeyPress();
    player.join();
    EXPECT_TRUE(slept) << "the wait never sleeps";
    for (const unsigned int ms : rests.lengths()) EXPECT_GE(ms, SHORTEST_SLEEP_MS) << "a sleep only yields";
}

// Sleeping between looks must not make the player wait: a key is noticed
// within one 67 ms frame, however long the screen was shown before. The
// wait looks after every sleep, and no sleep lasts a frame: at most the
// sleep it was about to begin follows the key.
TEST_F(KeyWait, NoticesAKeyWithinOneFrame)
{
    for (int round = 0; round < 5; ++round) {
        RestLog rests;
        ASSERT_TRUE(rests.watching());
        int restsBeforeTheKey = 0;
        std::thread player([&] {
            rests.waitForRests(3 + round);
            restsBeforeTheKey = rests.count();
            simulate_keypress((KEY_A << 8) | 'a');
        });
        waitForKeyPress();
        player.join();
        clear_keybuf();
        EXPECT_LE(rests.count() - restsBeforeTheKey, 1) << "sleeps after the key came";
        for (const unsigned int ms : rests.lengths()) EXPECT_LT(ms, ONE_FRAME_MS) << "a sleep as long as a frame";
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
// The arrows are tapped once the wait has begun (it sleeps); on a machine
// too busy to tap them all within the guard's time, the guard is made
// longer and the case tried again. The key after the guard is pressed once
// the guard says it is over.
TEST_F(KeyWait, TheGuardAfterALostLastLifeTakesNoKey)
{
    using Clock = std::chrono::steady_clock;
    installKeyGate();
    for (int guardMs = GAME_OVER_KEY_GUARD_MS;; guardMs *= 4) {
        if (guardMs > 10 * 1000)
            GTEST_SKIP() << "the machine never let four taps of an arrow into a guard of eight seconds";
        answerKeysPressedFromNow();
        const auto shown = Clock::now();
        guardNextKeyWait(guardMs);
        RestLog rests;
        ASSERT_TRUE(rests.watching());
        bool tappedInGuard = false;
        std::thread player([&] {
            rests.waitForRests(1);
            for (int tap = 0; tap < 4; ++tap) {
                keyDown(KEY_LEFT, 0);
                keyUp(KEY_LEFT);
            }
            tappedInGuard = Clock::now() - shown < std::chrono::milliseconds(guardMs);
            while (keyGuardLeftMs() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            keyDown(KEY_SPACE, ' ');
            keyUp(KEY_SPACE);
        });
        waitForKeyPress();
        const double waitedMs = std::chrono::duration<double, std::milli>(Clock::now() - shown).count();
        player.join();
        const int answer = readkey() >> 8;
        clear_keybuf();
        if (!tappedInGuard) continue;
        EXPECT_GE(waitedMs, guardMs);
        EXPECT_EQ(answer, KEY_SPACE) << "an arrow tapped during the guard answered the screen";
        break;
    }
    answerEveryKey();
}
