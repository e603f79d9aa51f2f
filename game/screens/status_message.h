// What just happened, in a word or two on the status bar's middle plaque:
// a life lost, a level reached, stairs that lead nowhere, the music or the
// effects switched, a screenshot, a fullscreen the display refuses. Each
// shows for about two seconds of play, then the plaque is bare again. The
// message is only something to read: the world never sees it, so no
// recording or replay depends on it.
#pragma once

#include <string>
#include <vector>

#include "world/world_event.h"

// About two seconds at the game's 15 steps a second.
constexpr int STATUS_MESSAGE_STEPS = 30;

// The plaque holds two lines of this many letters.
constexpr int STATUS_MESSAGE_LETTERS = 12;

struct StatusMessage {
    std::string upper;
    std::string lower;  // empty for a message of one line
};

// Shows `upper` (and `lower` under it) for the next STATUS_MESSAGE_STEPS
// play steps, the step in progress included, in place of what was there.
void sayOnStatusBar(const std::string &upper, const std::string &lower = "");

// What the events of one play step have to tell, said as sayOnStatusBar
// does; events with nothing to tell are passed over.
void sayWhatHappened(const std::vector<WorldEvent> &events);

// The message an event tells, if any.
bool messageOfEvent(const WorldEvent &event, StatusMessage &message);

// What the plaque shows at a game over: the final score and level.
StatusMessage gameOverMessage(int score, int level);

// One play step is over: a message shown for its last step goes.
void statusMessageStepDone();

// The plaque is bare again (a new game starts).
void forgetStatusMessage();

// The message showing now; false when there is none.
bool shownStatusMessage(StatusMessage &message);
