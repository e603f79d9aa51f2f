// The Windows side of platform/session_end.h. Windows ends a console
// program with console events (Ctrl+C, Ctrl+Break, the console closed, a
// logoff, a shutdown) and a windowed one with WM_ENDSESSION. Each is taken
// as Linux takes SIGINT or SIGTERM: EndSignal is set, every loop of the
// game leaves the normal way (recording whole, score table untouched), and
// the process ends with status 130 (Ctrl+C, Ctrl+Break) or 143 (the rest).
#include "platform/session_end.h"

#include <allegro.h>
// After allegro.h, as Allegro asks.
#include <winalleg.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/shut_down_watchdog.h"
#include "process/end_request.h"

namespace {

// Windows ends the process once a handler of a closing console or an
// ending session returns: it waits here, while the game ends the normal
// way, at most until the watchdog would end it anyway.
constexpr DWORD WAIT_FOR_GAME_END_MS = (SHUT_DOWN_LIMIT_SECONDS + 1) * 1000;

// Set while the window thread waits in WM_ENDSESSION.
volatile LONG SessionEnding = 0;

// Once the game has ended the normal way at Windows' request (its
// recording finished, its summary printed, the score table untouched), the
// process leaves at once, with the game's own status, and leaves the
// window to Windows. The library's exit would close the window through the
// window thread and wait for it, which a thread waiting in WM_ENDSESSION
// never answers; and under Wine closing the graphics alone takes two
// seconds, as long as the watchdog allows. The library's other threads
// end first (the keyboard and mouse are let go through the window thread,
// so not while it waits): under Wine a process leaving with them still
// running was now and then killed rather than left with its status.
void leaveBeforeLibraryExitWhenEndRequested()
{
    if (EndSignal == 0) return;
    remove_sound();
    if (SessionEnding == 0) {
        remove_mouse();
        remove_keyboard();
    }
    remove_timer();
    // Wine may kill a process whose ending it finds slow, and the status
    // goes with it: this line tells a test what the game left with.
    std::fprintf(stderr, "grog-sloop: leaving with status %d\n", endStatus());
    std::fflush(nullptr);
    _exit(endStatus());
}

void requestEnd(int signal)
{
    // A second request does not change the status the first one set.
    if (EndSignal == 0) EndSignal = signal;
    armShutDownWatchdog();
}

// Windows ends the process once this returns. The line says how long the
// game had (the game's stderr is no one's but a test's): a test tells by
// it a game that Windows ended early from one a busy machine kept from
// leaving in time.
void waitForGameEnd()
{
    const DWORD start = GetTickCount();
    Sleep(WAIT_FOR_GAME_END_MS);
    std::fprintf(stderr, "grog-sloop: waited %lu ms for the game to end\n",
                 static_cast<unsigned long>(GetTickCount() - start));
}

BOOL WINAPI onConsoleEvent(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        requestEnd(SIGINT);
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        requestEnd(SIGTERM);
        waitForGameEnd();
        return TRUE;
    default:
        return FALSE;
    }
}

// Runs on Allegro's window thread before Allegro's own handling, which a
// non-zero return lets go on; 0 ends the message's handling with *result.
int onWindowMessage(HWND, UINT message, WPARAM wparam, LPARAM, int *result)
{
    if (message != WM_ENDSESSION || wparam == 0) return 1;
    SessionEnding = 1;
    requestEnd(SIGTERM);
    waitForGameEnd();
    *result = 0;
    return 0;
}

}  // namespace

// Windows starts a program with nothing of the session's end to keep.
void prepareForSessionEnd() {}

void watchForSessionEnd()
{
    // After the library's own exit handler, so run before it.
    std::atexit(leaveBeforeLibraryExitWhenEndRequested);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    win_set_msg_pre_proc(onWindowMessage);
}
