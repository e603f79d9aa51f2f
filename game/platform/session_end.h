// The signals a session ends its programs with. Allegro's X11 system puts
// its own handler on SIGTERM, SIGINT, SIGQUIT and the faults, and that
// handler runs the whole library shut-down inside the signal, which hangs
// for good when the display goes at the same time. The game takes them back.
#ifndef GAME_END_SIGNALS_H
#define GAME_END_SIGNALS_H

// Notes what each of those signals, and SIGHUP, did when the program began.
// Call just before the library starts.
void rememberSignalDispositions();

// Call once the library has started. SIGTERM, SIGINT and SIGHUP then only
// set EndSignal (unless the program was started with them ignored, as
// nohup and a shell's background jobs are: they stay ignored). SIGQUIT,
// SIGABRT, SIGSEGV, SIGBUS, SIGFPE and SIGILL do again what they did before
// the library: by default end the process with a core dump.
void takeBackSignals();

#endif
