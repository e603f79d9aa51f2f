// What happened in the world during a play step, in the order it happened:
// the world and the trap rule report each event where it happens, and
// whoever runs the step takes the lot afterwards (a sound for a bottle, a
// check in the soak bot). A step that changes nothing reports nothing.
//
// Events wait in one list until taken, rather than going to a listener at
// once: the step stays free of whatever listens (sound, tests, tools), and
// a listener sees the step's events together, after the world has settled.
#pragma once

#include <vector>

enum class WorldEventKind {
    BottleTaken,      // x, y: the bottle's cell; points: what it scored
    LevelChanged,     // fromLevel, toLevel (level indices); down; newLevel: made now, not a kept one
    MonsterAppeared,  // x, y: its cell; monsterKind: its variety of images
    PlayerTrapped,    // x, y: the trapped player's cell; livesLeft: after the loss
    GameOver,         // the last life was lost; points: the final score
    NewGame,          // a new game's first level is built
    NoWayUp,          // the player arrived on stairs up that lead nowhere; fromLevel: the first level; x, y: the stairs
};

struct WorldEvent {
    WorldEventKind kind;
    int x = 0;
    int y = 0;
    int points = 0;
    int fromLevel = 0;
    int toLevel = 0;
    bool down = false;
    bool newLevel = false;
    int monsterKind = 0;
    int livesLeft = 0;
};

// Adds an event to the list of the step in progress.
void reportWorldEvent(const WorldEvent &event);

// Hands over every event reported since the last call, oldest first, and
// empties the list.
std::vector<WorldEvent> takeWorldEvents();

// Forgets what is waiting, unseen (a replay that plays no sound, say).
void clearWorldEvents();
