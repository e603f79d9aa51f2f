// The soak's player. It mixes random key presses with walking the shortest
// way to the nearest bottle or to the stairs that lead to the depth it has
// set its mind on, which changes now and then, so it goes down and comes
// back up. Now and then it stands still and lets the monsters close in, so
// games end by traps. Its chance comes from its own generator, never from
// rand(): the levels and monsters of a seed stay those of the game.
#pragma once

#include <random>

#include "input/step_input.h"

class SoakBot {
public:
    explicit SoakBot(unsigned int seed);

    // A new game: a fresh plan.
    void startGame();
    // The controls for the next play step, from the current level.
    StepInput nextInput();

    // Makes this bot the play step's input source.
    void takeTheControls();

private:
    enum class Aim { Bottle, StairsDown, StairsUp };

    ArrowKeys randomKeys();
    // One arrow towards the nearest cell of the aim, or none when there is
    // no way to one.
    bool stepTowards(Aim aim, ArrowKeys &keys);
    void chooseDepth();

    std::mt19937 random_;
    int targetDepth_ = 0;
    int stepsBeforeNewPlan_ = 0;
    int idleSteps_ = 0;
};
