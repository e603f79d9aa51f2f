// Standard error sent to NUL while the sound drivers are tried, as on
// Linux; the C runtime's descriptor calls stand in for POSIX's.
#include "platform/quiet_stderr.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

QuietStderr::QuietStderr()
{
    std::fflush(stderr);
    const int nowhere = _open("NUL", _O_WRONLY | _O_NOINHERIT);
    if (nowhere < 0) return;
    saved_ = _dup(_fileno(stderr));
    if (saved_ >= 0 && _dup2(nowhere, _fileno(stderr)) < 0) {
        _close(saved_);
        saved_ = -1;
    }
    _close(nowhere);
}

QuietStderr::~QuietStderr()
{
    if (saved_ < 0) return;
    std::fflush(stderr);
    _dup2(saved_, _fileno(stderr));
    _close(saved_);
}
