#include "input/key_gate.h"

#include <allegro.h>

#include <atomic>
#include <chrono>
#include <cstdint>

namespace {

void (*EarlierLowLevelCallback)(int) = nullptr;
int (*EarlierBufferCallback)(int) = nullptr;

// Written by the input thread: which keys are down, and since when (on the
// steady clock, in microseconds). A repeat does not move the time.
std::atomic<bool> Down[KEY_MAX];
std::atomic<std::int64_t> DownSinceUs[KEY_MAX];

// Set by the main thread: whether a waiting screen is shown, and the moment
// after which a key going down answers it.
std::atomic<bool> Gated{false};
std::atomic<std::int64_t> AnswerAfterUs{0};
// The end of the guard after a lost last life; 0 when none is pending.
std::atomic<std::int64_t> GuardUntilUs{0};

constexpr std::int64_t US_PER_MS = 1000;

std::int64_t nowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Input thread, at every press, release and repeat; called before the key,
// if any, goes to the buffer.
void noteKeyDown(int scancode)
{
    if (EarlierLowLevelCallback != nullptr) EarlierLowLevelCallback(scancode);
    const int code = scancode & 0x7f;
    const bool pressed = (scancode & 0x80) == 0;
    if (code <= 0 || code >= KEY_MAX) return;
    if (pressed && !Down[code]) DownSinceUs[code] = nowUs();
    Down[code] = pressed;
}

// Input thread (or whoever simulates a key), for every key on its way into
// the buffer: 0 keeps it out.
int keepEarlyKeysOut(int keyValue)
{
    if (EarlierBufferCallback != nullptr) {
        keyValue = EarlierBufferCallback(keyValue);
        if (keyValue == 0) return 0;
    }
    const int code = keyValue >> 8;
    if (!Gated || code <= 0 || code >= KEY_MAX || !Down[code]) return keyValue;
    return DownSinceUs[code] > AnswerAfterUs ? keyValue : 0;
}

}  // namespace

void installKeyGate()
{
    if (keyboard_lowlevel_callback != noteKeyDown) EarlierLowLevelCallback = keyboard_lowlevel_callback;
    if (keyboard_callback != keepEarlyKeysOut) EarlierBufferCallback = keyboard_callback;
    keyboard_lowlevel_callback = noteKeyDown;
    keyboard_callback = keepEarlyKeysOut;
}

void answerKeysPressedFromNow()
{
    const std::int64_t now = nowUs();
    if (!Gated || now > AnswerAfterUs) AnswerAfterUs = now;
    Gated = true;
    clear_keybuf();
}

void guardNextKeyWait(int ms)
{
    GuardUntilUs = nowUs() + ms * US_PER_MS;
}

void answerEveryKey()
{
    Gated = false;
    GuardUntilUs = 0;
}

int keyGuardLeftMs()
{
    if (!Gated || GuardUntilUs == 0) return 0;
    if (GuardUntilUs > AnswerAfterUs) AnswerAfterUs = GuardUntilUs.load();
    const std::int64_t left = GuardUntilUs - nowUs();
    if (left <= 0) GuardUntilUs = 0;
    return left > 0 ? static_cast<int>((left + US_PER_MS - 1) / US_PER_MS) : 0;
}
