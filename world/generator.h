// Builds random dungeon levels: walled rooms joined by bridges, stairs up
// in the first room, stairs down in the last, bottles on some floors.
#pragma once

// Room placement gives up after this many rectangle draws for one room, so
// that a crowded grid can never freeze the game between two steps; the level
// then keeps the rooms already built.
constexpr long MAX_ROOM_ATTEMPTS = 20000;

// The outer rectangle of a room (walls included) and the rooms of a level.
struct RoomRect {
    int x0, y0, x1, y1;
};

// What the last generateLevel call did, for tests and measurements.
struct LevelBuildReport {
    int roomsPlanned;    // room count drawn at the start, 1..9
    int roomsBuilt;      // rooms actually placed
    long maxAttempts;    // most rectangle draws needed by one room
    long totalAttempts;  // all rectangle draws of the level
    RoomRect rooms[9];   // the rooms built, in order
};

// Builds a new current level, places the player beside its up-stairs and
// appends the level to LevelStore. Monsters and bottles of the level being
// left stay with its stored copy.
void generateLevel();

const LevelBuildReport &lastLevelReport();
