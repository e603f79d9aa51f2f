// The line a recorded run and its replay both end with, so the two can be
// compared: "game steps 812 level 3 lives 2 score 40".
#pragma once

#include <cstdint>

#include "recording/recording_file.h"

// Play steps that read their controls, over every game of the run (the
// nested games after a game over, paused steps and the step that saw ESC
// included). Counted by the recorder and the replay.
extern std::uint32_t RunSteps;

// RunSteps and the current game's level as shown (LevelIndex + 1), lives
// and score.
GameSummary currentSummary();
