#include "link/SocketWait.h"

#include <cerrno>
#include <chrono>
#include <poll.h>

namespace merix {

std::int64_t monotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Readiness waitReady(int fd, short events, std::int64_t deadlineMs, int wakeFd) {
    for (;;) {
        const std::int64_t left = deadlineMs - monotonicMs();
        pollfd fds[2] = {{fd, events, 0}, {wakeFd, POLLIN, 0}};
        const int n = ::poll(fds, wakeFd >= 0 ? 2 : 1, left > 0 ? static_cast<int>(left) : 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {Readiness::Kind::Failed, 0};
        if (wakeFd >= 0 && fds[1].revents)
            return {Readiness::Kind::Woken, 0};
        if (n == 0)
            return {Readiness::Kind::TimedOut, 0};
        return {Readiness::Kind::Ready, fds[0].revents};
    }
}

} // namespace merix
