#include "recording/run_summary.h"

#include "world/game_state.h"

std::uint32_t RunSteps = 0;

namespace {

bool CurrentGamePlayed = false;
bool EarlierGameKept = false;
GameSummary EarlierGame;

}  // namespace

void noteNewGameBegins()
{
    if (!CurrentGamePlayed) return;
    EarlierGame.level = LevelIndex + 1;
    EarlierGame.lives = Lives;
    EarlierGame.score = Score;
    EarlierGameKept = true;
    CurrentGamePlayed = false;
}

void noteGameStepTaken()
{
    CurrentGamePlayed = true;
}

GameSummary currentSummary()
{
    GameSummary summary;
    if (!CurrentGamePlayed && EarlierGameKept) {
        summary = EarlierGame;
    } else {
        summary.level = LevelIndex + 1;
        summary.lives = Lives;
        summary.score = Score;
    }
    summary.steps = RunSteps;
    return summary;
}
