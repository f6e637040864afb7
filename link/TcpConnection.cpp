#include "link/TcpConnection.h"

#include "link/HostLookup.h"
#include "link/SocketWait.h"

#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace merix {

namespace {

OpenError classifyConnect(int err) {
    switch (err) {
    case ECONNREFUSED:
        return OpenError::ConnectionRefused;
    case ETIMEDOUT:
        return OpenError::ConnectTimeout;
    default:
        return OpenError::Other;
    }
}

} // namespace

TcpConnection::TcpConnection() {
    if (::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0)
        m_wake[0] = m_wake[1] = -1;
}

TcpConnection::~TcpConnection() {
    close();
    for (const int fd : m_wake)
        if (fd >= 0)
            ::close(fd);
}

void TcpConnection::interrupt() {
    m_interrupted = true;
    const char byte = 0;
    if (m_wake[1] >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(m_wake[1], &byte, 1);
    }
}

OpenResult TcpConnection::connect(const std::string& host, std::uint16_t port,
                                  std::int64_t deadlineMs) {
    close();
    m_brokenBy.reset();
    if (m_interrupted)
        return {OpenError::Stopped, 0};
    const HostAddresses found = lookUpHost(host, port, deadlineMs, m_wake[0]);
    if (!found.result.ok())
        return found.result;
    OpenResult last{OpenError::HostNotFound, 0};
    for (const addrinfo* a = found.addresses.get(); a; a = a->ai_next) {
        last = connectOne(a->ai_addr, a->ai_addrlen, a->ai_family, deadlineMs);
        if (last.ok() || last.error == OpenError::Stopped ||
            last.error == OpenError::ConnectTimeout)
            break;
    }
    return last;
}

OpenResult TcpConnection::connectOne(const void* address, unsigned length, int family,
                                     std::int64_t deadlineMs) {
    const int fd = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {OpenError::Other, errno};
    int err = 0;
    if (::connect(fd, static_cast<const sockaddr*>(address), length) != 0) {
        err = errno;
        if (err == EINPROGRESS) {
            const Readiness r = waitReady(fd, POLLOUT, deadlineMs, m_wake[0]);
            socklen_t size = sizeof err;
            if (r.kind == Readiness::Kind::Woken) {
                ::close(fd);
                return {OpenError::Stopped, 0};
            }
            if (r.kind != Readiness::Kind::Ready)
                err = ETIMEDOUT;
            else if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &size) != 0)
                err = errno;
        }
    }
    if (err != 0) {
        ::close(fd);
        return {classifyConnect(err), err};
    }
    // One command line at a time, each waiting for its answer: no coalescing delay.
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    m_fd = fd;
    return {};
}

Transfer TcpConnection::broke(int systemError, std::size_t count) {
    if (!m_brokenBy)
        m_brokenBy = systemError;
    return {false, count};
}

Transfer TcpConnection::receive(char* buffer, std::size_t capacity, std::int64_t deadlineMs) {
    if (m_fd < 0 || m_brokenBy || m_interrupted)
        return {false, 0};
    const Readiness r = waitReady(m_fd, POLLIN, deadlineMs, m_wake[0]);
    if (r.kind == Readiness::Kind::TimedOut)
        return {true, 0};
    if (r.kind != Readiness::Kind::Ready)
        return {false, 0};
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, capacity, MSG_DONTWAIT);
        acknowledgeAtOnce();
        if (n > 0)
            return {true, static_cast<std::size_t>(n)};
        if (n == 0)
            return broke(0, 0);
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return {true, 0};
        return broke(errno, 0);
    }
}

Transfer TcpConnection::send(std::string_view bytes, int timeoutMs) {
    Transfer t;
    if (m_fd < 0 || m_brokenBy || m_interrupted)
        return t;
    // Bounded by progress, as on a serial line: a slow far end that keeps taking bytes is
    // waited for, one that takes none for the time-out is given up.
    std::int64_t deadline = monotonicMs() + timeoutMs;
    while (t.count < bytes.size()) {
        const ssize_t n = ::send(m_fd, bytes.data() + t.count, bytes.size() - t.count,
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            t.count += static_cast<std::size_t>(n);
            deadline = monotonicMs() + timeoutMs;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return broke(errno, t.count);
        const Readiness r = waitReady(m_fd, POLLOUT, deadline, m_wake[0]);
        if (r.kind == Readiness::Kind::TimedOut)
            break;
        if (r.kind != Readiness::Kind::Ready)
            return {false, t.count};
    }
    t.ok = true;
    return t;
}

// A server that sends an answer in pieces and waits for our acknowledgement of the first
// (Nagle, as ser2net does) would otherwise wait for our delayed one, up to 40 ms a line.
// The kernel falls back to delaying, so this is asked again after every receive.
void TcpConnection::acknowledgeAtOnce() {
#ifdef TCP_QUICKACK
    const int one = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_QUICKACK, &one, sizeof one);
#endif
}

void TcpConnection::discardInput() {
    char scratch[4096];
    // Bounded, so a far end that never stops talking cannot keep us here.
    for (int i = 0; m_fd >= 0 && !m_brokenBy && i < 256; ++i) {
        const ssize_t n = ::recv(m_fd, scratch, sizeof scratch, MSG_DONTWAIT);
        if (n > 0 || (n < 0 && errno == EINTR))
            continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
            broke(n == 0 ? 0 : errno, 0);
        return;
    }
}

void TcpConnection::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace merix
