#include "recording/run_summary.h"

#include "world/game_state.h"

std::uint32_t RunSteps = 0;

GameSummary currentSummary()
{
    GameSummary summary;
    summary.steps = RunSteps;
    summary.level = LevelIndex + 1;
    summary.lives = Lives;
    summary.score = Score;
    return summary;
}
