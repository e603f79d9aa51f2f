#include "world/game_start.h"

#include "world/game_state.h"
#include "world/generator.h"
#include "world/player.h"
#include "world/world_event.h"
#include "world/world_owner.h"

void resetForNewGame()
{
    // A game over starts the next game from inside the old game's play
    // step. That step and the loops around it read only the globals once
    // the new game returns, and those will name the new game's objects, so
    // the old game's cells, actors and player can all go now.
    releaseWorldObjects();
    ThePlayer = new Player();
    Score = 0;
    LevelIndex = 0;
    Lives = STARTING_LIVES;
}

void buildFirstLevel()
{
    generateLevel();
    WorldEvent started{WorldEventKind::NewGame};
    started.x = PlayerX;
    started.y = PlayerY;
    reportWorldEvent(started);
}

void startHeadlessGame()
{
    resetForNewGame();
    buildFirstLevel();
}
