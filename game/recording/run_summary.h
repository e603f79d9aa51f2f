// The line a recorded run and its replay both end with, so the two can be
// compared: "game steps 812 level 3 lives 2 score 40".
#pragma once

#include <cstdint>

#include "recording/recording_file.h"

// Play steps that read their controls, over every game of the run (the
// nested games after a game over, paused steps and the step that saw ESC
// included). Counted by the recorder and the replay.
extern std::uint32_t RunSteps;

// A new game is about to begin (its title screen is next): the game that
// ends here, if it was played, is kept for the summary.
void noteNewGameBegins();

// A play step of the current game went on past the keys that end a game:
// the game has been played.
void noteGameStepTaken();

// RunSteps, and the level as shown (LevelIndex + 1), lives and score of the
// game that was played last: the current game once it has been played, and
// while it has not (a run left on the title after a game over, or by the
// step that leaves that title) the game before it.
GameSummary currentSummary();
