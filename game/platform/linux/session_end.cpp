// The Linux side of platform/session_end.h: the session ends its programs
// with signals. Allegro's X11 system puts its own handler on SIGTERM,
// SIGINT, SIGQUIT and the faults, which runs the whole library shut-down
// inside the signal. Once the library has started, SIGTERM, SIGINT and
// SIGHUP only set EndSignal (unless the program was started with them
// ignored, as nohup and a shell's background jobs are: they stay ignored),
// and SIGQUIT, SIGABRT, SIGSEGV, SIGBUS, SIGFPE and SIGILL do again what
// they did before the library: by default end the process with a core
// dump.
#include "platform/session_end.h"

#include <signal.h>

#include <cstddef>

#include "platform/shut_down_watchdog.h"
#include "process/end_request.h"

namespace {

// Ask the game to end.
constexpr int ENDING_SIGNALS[] = {SIGTERM, SIGINT, SIGHUP};
// Keep what they did before the library: a core dump to look at.
constexpr int FAULT_SIGNALS[] = {SIGQUIT, SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL};

struct Disposition {
    int signal;
    struct sigaction action;
};

Disposition Before[sizeof ENDING_SIGNALS / sizeof ENDING_SIGNALS[0] + sizeof FAULT_SIGNALS / sizeof FAULT_SIGNALS[0]];

void onEndingSignal(int signal)
{
    // A second signal does not change the status the first one set.
    if (EndSignal == 0) EndSignal = signal;
    armShutDownWatchdog();
}

const struct sigaction *actionBefore(int signal)
{
    for (const Disposition &before : Before)
        if (before.signal == signal) return &before.action;
    return nullptr;
}

}  // namespace

void prepareForSessionEnd()
{
    std::size_t next = 0;
    for (int signal : ENDING_SIGNALS) {
        Before[next].signal = signal;
        sigaction(signal, nullptr, &Before[next++].action);
    }
    for (int signal : FAULT_SIGNALS) {
        Before[next].signal = signal;
        sigaction(signal, nullptr, &Before[next++].action);
    }
}

void watchForSessionEnd()
{
    for (int signal : FAULT_SIGNALS) sigaction(signal, actionBefore(signal), nullptr);

    struct sigaction ending = {};
    ending.sa_handler = onEndingSignal;
    sigemptyset(&ending.sa_mask);
    // System calls the signal interrupts go on; the loops look at the flag.
    ending.sa_flags = SA_RESTART;
    for (int signal : ENDING_SIGNALS) {
        const struct sigaction *before = actionBefore(signal);
        if (before != nullptr && (before->sa_flags & SA_SIGINFO) == 0 && before->sa_handler == SIG_IGN) {
            sigaction(signal, before, nullptr);
            continue;
        }
        sigaction(signal, &ending, nullptr);
    }
}
