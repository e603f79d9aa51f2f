#include "play_loop.h"

#include <allegro.h>

#include <cstddef>

#include "music.h"
#include "render_frame.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/tile.h"

void (*PlayStepHook)() = nullptr;

namespace {

// Waits in 20 ms slices until the timer has moved past `last`.
void waitForTickAfter(int last)
{
    while (TickCounter == last)
        rest(20);
}

} // namespace

void advanceWorld()
{
    playerTurn();
    spawnMonster();
    // Monsters that arrive during this loop wait for the next step.
    const std::size_t monsters = MonsterList.size();
    for (std::size_t i = 0; i < monsters; ++i)
        MonsterList[i]->step();
    advanceAnimTick();
}

StepResult playStep()
{
    if (key[KEY_ESC] || CloseRequested)
        return StepResult::Quit;
    clear_keybuf();

    if (key[KEY_SPACE]) {
        Paused = !Paused;
        clear_keybuf();
        rest(TOGGLE_KEY_REST_MS);
    }
    if (key[KEY_F2]) {
        toggleMusicPause();
        clear_keybuf();
        rest(TOGGLE_KEY_REST_MS);
    }

    if (!Paused)
        advanceWorld();
    renderFrame();
    return StepResult::Continue;
}

void playLoop()
{
    int last = TickCounter;
    waitForTickAfter(last);
    for (;;) {
        // Ticks that passed during a long step are not made up: one step
        // per observed change.
        last = TickCounter;
        if (PlayStepHook != nullptr)
            PlayStepHook();
        if (playStep() == StepResult::Quit)
            return;
        waitForTickAfter(last);
    }
}
