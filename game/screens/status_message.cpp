#include "screens/status_message.h"

namespace {

StatusMessage Shown;
int StepsLeft = 0;

// Levels are counted from 1, as the status bar shows them.
std::string levelNumber(int levelIndex)
{
    return std::to_string(levelIndex + 1);
}

}  // namespace

void sayOnStatusBar(const std::string &upper, const std::string &lower)
{
    Shown = StatusMessage{upper, lower};
    StepsLeft = STATUS_MESSAGE_STEPS;
}

bool messageOfEvent(const WorldEvent &event, StatusMessage &message)
{
    switch (event.kind) {
    case WorldEventKind::PlayerTrapped:
        // The last life's loss is told by the game-over screen.
        if (event.livesLeft <= 0) return false;
        message = {"Trapped!", std::to_string(event.livesLeft) + (event.livesLeft == 1 ? " life left" : " lives left")};
        return true;
    case WorldEventKind::LevelChanged:
        message = {"Level " + levelNumber(event.toLevel), event.newLevel ? "new waters" : "as you left"};
        return true;
    case WorldEventKind::NoWayUp:
        message = {"No way up", "from level " + levelNumber(event.fromLevel)};
        return true;
    case WorldEventKind::BottleTaken:
    case WorldEventKind::MonsterAppeared:
    case WorldEventKind::GameOver:
    case WorldEventKind::NewGame:
        return false;
    }
    return false;
}

void sayWhatHappened(const std::vector<WorldEvent> &events)
{
    // The latest news wins the plaque.
    StatusMessage message;
    for (const WorldEvent &event : events) {
        if (messageOfEvent(event, message)) sayOnStatusBar(message.upper, message.lower);
    }
}

StatusMessage gameOverMessage(int score, int level)
{
    return {"Score " + std::to_string(score), "Level " + std::to_string(level)};
}

void statusMessageStepDone()
{
    if (StepsLeft > 0) --StepsLeft;
}

void forgetStatusMessage()
{
    StepsLeft = 0;
}

bool shownStatusMessage(StatusMessage &message)
{
    if (StepsLeft == 0) return false;
    message = Shown;
    return true;
}
