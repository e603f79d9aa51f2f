// Where the soak's checks report a broken rule: one line on standard
// error naming the seed, the game, the step and what was wrong.
#pragma once

#include <string>

struct FaultLog {
    unsigned int seed = 0;
    long game = 1;      // counted from 1
    long step = 0;      // steps of the whole run
    long gameStep = 0;  // steps of this game
    long faults = 0;

    void report(const std::string &what);
};
