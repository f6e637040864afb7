#pragma once

#include <cstdint>

namespace merix {

// Milliseconds of the monotonic clock the network waits are measured on.
std::int64_t monotonicMs();

struct Readiness {
    enum class Kind { Ready, TimedOut, Woken, Failed };
    Kind kind = Kind::Failed;
    short revents = 0; // for Ready
};

// Waits until fd has one of the events, the deadline passes, or wakeFd becomes readable (a
// Stop from another thread). Interrupted system calls are resumed.
Readiness waitReady(int fd, short events, std::int64_t deadlineMs, int wakeFd);

} // namespace merix
