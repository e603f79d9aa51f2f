// The last guard of an ending the player did not ask for: should the way
// out hang anyway (in the library's shut-down, say, or a driver), the
// process ends SHUT_DOWN_LIMIT_SECONDS after the end was requested, with
// the status the end would have had and the recording synced to disk.
#ifndef GAME_SHUT_DOWN_WATCHDOG_H
#define GAME_SHUT_DOWN_WATCHDOG_H

constexpr unsigned int SHUT_DOWN_LIMIT_SECONDS = 2;

// Makes the watchdog ready to be armed. Call once at start-up.
void installShutDownWatchdog();

// Starts the countdown; later calls leave it running as it is. Safe
// wherever an end is requested: in the answer to the session's end or to a
// lost display, on any thread.
void armShutDownWatchdog();

// The recording being written, synced before the watchdog ends the
// process; -1 when there is none (any more).
void watchRecordingFile(int fd);

#endif
