// The Windows side of platform/shut_down_watchdog.h: Windows has no
// SIGALRM, so the countdown is a thread of its own, started when an end is
// requested.
#include "platform/shut_down_watchdog.h"

#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "process/end_request.h"

namespace {

volatile LONG Armed = 0;
volatile int RecordingFd = -1;

DWORD WINAPI endWhenOverdue(LPVOID)
{
    Sleep(SHUT_DOWN_LIMIT_SECONDS * 1000);
    const int fd = RecordingFd;
    if (fd >= 0) _commit(fd);
    static const char message[] = "grog-sloop: the shut-down hung; ending at once\n";
    _write(2, message, sizeof message - 1);
    const int status = endStatus();
    _exit(status != 0 ? status : 1);
}

}  // namespace

void installShutDownWatchdog() {}

void armShutDownWatchdog()
{
    if (InterlockedExchange(&Armed, 1) != 0) return;
    const HANDLE thread = CreateThread(nullptr, 0, endWhenOverdue, nullptr, 0, nullptr);
    if (thread != nullptr) CloseHandle(thread);
}

void watchRecordingFile(int fd)
{
    RecordingFd = fd;
}
