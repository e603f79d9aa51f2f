// The Linux side of platform/shut_down_watchdog.h: the countdown is an
// alarm(), and its SIGALRM ends the process.
#include "platform/shut_down_watchdog.h"

#include <unistd.h>

#include <csignal>

#include "process/end_request.h"

namespace {

volatile std::sig_atomic_t Armed = 0;
volatile std::sig_atomic_t RecordingFd = -1;

void onShutDownOverdue(int)
{
    // Every line of a recording goes out with one write of its own, so the
    // file already ends with a whole line; the sync puts it on the disk.
    const int fd = RecordingFd;
    if (fd >= 0) fsync(fd);
    static const char message[] = "grog-sloop: the shut-down hung; ending at once\n";
    const ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
    (void)written;
    const int status = endStatus();
    _exit(status != 0 ? status : 1);
}

}  // namespace

void installShutDownWatchdog()
{
    struct sigaction overdue = {};
    overdue.sa_handler = onShutDownOverdue;
    sigemptyset(&overdue.sa_mask);
    sigaction(SIGALRM, &overdue, nullptr);
}

void armShutDownWatchdog()
{
    if (Armed) return;
    Armed = 1;
    alarm(SHUT_DOWN_LIMIT_SECONDS);
}

void watchRecordingFile(int fd)
{
    RecordingFd = fd;
}
