#include "sim/WirePacer.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace merix::sim {

namespace {

void sleepUntil(std::int64_t ns) {
    timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

} // namespace

bool WirePacer::writeAll(int fd, std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t n = m_socket ? ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                   : ::write(fd, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        } else if (n < 0 && errno == EAGAIN) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
        } else if (!(n < 0 && errno == EINTR)) {
            return false;
        }
    }
    return true;
}

WirePacer::WirePacer(long baud, bool socket)
    : m_byteNs(baud > 0 ? 10 * 1000000000LL / baud : 0), m_socket(socket) {}

std::int64_t WirePacer::nowNs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void WirePacer::startReceive() {
    m_rxStart = nowNs();
}

// Deadlines follow from the start of a burst, not from each late wake-up, so a busy machine
// makes single bytes late but never the wire slower.
std::int64_t WirePacer::receiveByte() {
    if (m_byteNs == 0)
        return nowNs();
    m_rxFreeAt = std::max(m_rxFreeAt, m_rxStart) + m_byteNs;
    sleepUntil(m_rxFreeAt);
    return m_rxFreeAt;
}

bool WirePacer::send(int fd, std::string_view bytes) {
    if (m_byteNs == 0)
        return writeAll(fd, bytes);
    m_txFreeAt = std::max(m_txFreeAt, nowNs());
    for (char c : bytes) {
        m_txFreeAt += m_byteNs;
        sleepUntil(m_txFreeAt);
        if (!writeAll(fd, std::string_view(&c, 1)))
            return false;
    }
    return true;
}

} // namespace merix::sim
