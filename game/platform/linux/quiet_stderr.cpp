#include "platform/quiet_stderr.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

QuietStderr::QuietStderr()
{
    // What the game itself wrote before goes out first.
    std::fflush(stderr);
    const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0) return;
    saved_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (saved_ >= 0 && dup2(nowhere, STDERR_FILENO) < 0) {
        close(saved_);
        saved_ = -1;
    }
    close(nowhere);
}

QuietStderr::~QuietStderr()
{
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
}
