// --replay FILE and --replay-fast FILE: a recorded run played back in place
// of the keyboard. The file supplies every play step's controls, the keys
// that leave the waiting screens and the names entered, so the run reaches
// the same levels, score, lives and steps at any pace.
#pragma once

#include <string>

#include "recording/recording_file.h"

// Reads and checks the whole file before anything else starts. False, with
// the reason, for a file that cannot be read or is not a recording.
bool loadRecording(const char *path, Recording &recording, std::string &error);

// How a replay runs: at the recorded pace, as fast as the steps go, or
// headless (fast, and the names saved in it leave the score table alone:
// a verification only checks the game).
enum class ReplayPace { Normal, Fast, Headless };

// Puts the recording in place of the play step's controls, the key waits
// and the name entry. Unless Normal, steps follow each other without
// waiting for the timer, and the waiting screens do not wait.
void startReplay(const Recording &recording, ReplayPace pace);

// --stop-at N: once N steps have been replayed (0: on the first title
// screen), the next time the game asks the recording for anything the
// replay holds instead: the picture stays as it is, "stopped at step N" goes
// to standard output, and the run waits for the window's close button,
// which ends it as it ends any replay. A test of the real program looks at
// a fixed step this way, at any speed of the machine. A run that ends
// before step N ends as usual, without the line.
void stopReplayAtStep(unsigned int step);

// After the run: 0 when it went as recorded, 3 (with the reason on standard
// error) when the game asked for something else than the file holds, or
// ended elsewhere than the recording did.
int finishReplay();

constexpr int EXIT_REPLAY_DIFFERS = 3;
