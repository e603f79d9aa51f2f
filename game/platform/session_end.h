// The session's end: a logout, a shutdown, a closed terminal or console,
// Ctrl+C. Each only asks the game to end (EndSignal, process/end_request.h,
// with the number a shell reports for SIGTERM, SIGHUP or SIGINT), and
// every loop of the game leaves the normal way, so that the recording, the
// summary line and the score table end as they do at ESC. The library's
// own answer, where it has one, would shut it down inside the request and
// hang for good when the display goes at the same time: the game takes the
// session's end over from it.
#ifndef GAME_SESSION_END_H
#define GAME_SESSION_END_H

// Notes how the process was started to answer the session's end (a
// program started to ignore a hang-up keeps ignoring it). Call just
// before the library starts.
void prepareForSessionEnd();

// Call once the library has started: from then on the session's end only
// asks the game to end, and a fault ends the process as it would have
// without the library.
void watchForSessionEnd();

#endif
