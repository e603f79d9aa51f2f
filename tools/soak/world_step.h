// The world's part of an unpaused play step, taken apart so that the soak
// can look at the world between its stages: after the player's turn (a
// level just left or re-entered is seen before its monsters act) and after
// each monster's move. The stages are the game's own functions, called in
// the order advanceWorld() calls them; stepsMatchTheGame() proves that
// order still holds.
#pragma once

struct ArrowKeys;

class StepObserver {
public:
    virtual ~StepObserver() = default;
    // After playerTurn: the moves and the stairs rule.
    virtual void afterPlayerTurn() {}
    // After spawnMonster, before any monster acts.
    virtual void afterSpawn() {}
    // After monster `index` of MonsterList acted; it stood at (oldX, oldY).
    virtual void afterMonsterStep(int /*index*/, int /*oldX*/, int /*oldY*/) {}
};

// Does what advanceWorld(walk) does, telling `observer` (may be null) along
// the way.
void observedWorldStep(const ArrowKeys &walk, StepObserver *observer);

// Plays the same scripted game twice from `seed`, once through the game's
// advanceWorld() and once through observedWorldStep(), and compares where
// the player, the score, the level and every monster are after each step.
// Returns the first step at which they part, or 0 when they never do.
// Leaves the world released and rand() moved on.
int stepsMatchTheGame(unsigned int seed, int steps);
