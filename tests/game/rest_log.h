// The rests Allegro takes (rest(), and so the game's waits between looks
// at the keyboard), logged while a RestLog lives: a test tells by them how
// a wait sleeps and how often it looks, in events rather than in time, so
// a busy machine makes it slower but not red. Needs the timer installed.
#pragma once

#include <allegro.h>

#include <atomic>
#include <functional>
#include <vector>

class RestLog {
public:
    RestLog();
    ~RestLog();
    RestLog(const RestLog &) = delete;
    RestLog &operator=(const RestLog &) = delete;

    // Whether the timer driver's rests reach the log (tests assert it).
    bool watching() const { return driversRest_ != nullptr; }
    // Rests begun so far; safe on any thread.
    int count() const { return count_; }
    // Milliseconds asked for by each rest so far, in order. Read it once
    // the thread that rests is done (or, on it, in onRest).
    const std::vector<unsigned int> &lengths() const { return lengths_; }

    // Called on the resting thread as each rest begins, before it sleeps:
    // a look at what the program left on the screen for that rest.
    std::function<void()> onRest;
    // False: each rest returns at once, so the clock stands still while the
    // program rests, and a schedule it keeps by the clock is read without
    // the machine's pace in it.
    bool sleeps = true;

    // Waits until `rests` rests have begun, or until half a minute has gone by
    // without one (a wait that never sleeps); false then.
    bool waitForRests(int rests) const;

private:
    static void logged(unsigned int ms, void (*callback)());

    std::atomic<int> count_{0};
    std::vector<unsigned int> lengths_;
    void (*driversRest_)(unsigned int, void (*)()) = nullptr;
};
