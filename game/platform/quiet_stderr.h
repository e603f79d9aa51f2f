// Standard error sent nowhere for a while: the sound library, and the
// drivers beneath it, write their own complaints there while the game looks
// for a sound device; the game then says in one line of its own what it
// found.
#pragma once

// Silences standard error (the stream and the file descriptor) from
// construction to destruction. Where it cannot, nothing changes.
class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr &) = delete;
    QuietStderr &operator=(const QuietStderr &) = delete;

private:
    int saved_ = -1;  // standard error's own descriptor, kept aside
};
