#include "link/TermiosSerialPort.h"

#include "link/LineSettings.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace merix {

namespace {

OpenError classify(int err) {
    switch (err) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return OpenError::NoSuchDevice;
    case EACCES:
    case EPERM:
    case EROFS:
        return OpenError::PermissionDenied;
    case EBUSY:
    case EWOULDBLOCK:
        return OpenError::Busy;
    default:
        return OpenError::Other;
    }
}

std::int64_t monotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Waits for the events until the deadline; 0 on time-out, -1 on error, else the revents.
int waitFor(int fd, short events, std::int64_t deadline) {
    for (;;) {
        const std::int64_t left = deadline - monotonicMs();
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, left > 0 ? static_cast<int>(left) : 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n;
        return p.revents;
    }
}

} // namespace

TermiosSerialPort::TermiosSerialPort() = default;

TermiosSerialPort::~TermiosSerialPort() {
    close();
}

OpenResult TermiosSerialPort::open(const std::string& device) {
    close();
    // O_NONBLOCK: the open must not wait for carrier detect on a modem line.
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {classify(errno), errno};
    if (!::isatty(fd)) {
        ::close(fd);
        return {OpenError::NotASerialDevice, ENOTTY};
    }
    // Another program of ours, or one that locks the same way, holds it already.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        return {err == EWOULDBLOCK ? OpenError::Busy : classify(err), err};
    }
    // Keeps later opens by other programs out while we use the line.
    ::ioctl(fd, TIOCEXCL);
    m_fd = fd;
    m_saved.reset();
    return {};
}

ConfigureResult TermiosSerialPort::configure(const PortConfig& config) {
    m_readTimeoutMs = config.readTimeoutMs;
    m_writeTimeoutMs = config.writeTimeoutMs;
    if (!isValid(config.line))
        return ConfigureResult::BadSettings;
    termios current{};
    if (m_fd < 0 || ::tcgetattr(m_fd, &current) != 0)
        return ConfigureResult::CannotApply;
    if (!m_saved)
        m_saved = std::make_unique<termios>(current);
    termios wanted = current;
    if (!applyLineSettings(wanted, config.line) || ::tcsetattr(m_fd, TCSANOW, &wanted) != 0)
        return ConfigureResult::CannotApply;
    // tcsetattr succeeds when any part was taken; make sure the speed was.
    termios now{};
    if (::tcgetattr(m_fd, &now) != 0 || cfgetospeed(&now) != cfgetospeed(&wanted))
        return ConfigureResult::CannotApply;
    return ConfigureResult::Ok;
}

void TermiosSerialPort::purge() {
    if (m_fd >= 0)
        ::tcflush(m_fd, TCIOFLUSH);
}

Transfer TermiosSerialPort::write(std::string_view bytes) {
    Transfer t;
    if (m_fd < 0)
        return t;
    // Bounded by progress, not by the whole line: a long line at a low rate keeps going as
    // long as the driver takes bytes, a line stalled by flow control gives up.
    std::int64_t deadline = monotonicMs() + m_writeTimeoutMs;
    while (t.count < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + t.count, bytes.size() - t.count);
        if (n > 0) {
            t.count += static_cast<std::size_t>(n);
            deadline = monotonicMs() + m_writeTimeoutMs;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return t; // ok stays false
        const int revents = waitFor(m_fd, POLLOUT, deadline);
        if (revents == 0)
            break;
        if (revents < 0 || (revents & (POLLERR | POLLNVAL)))
            return t;
    }
    t.ok = true;
    return t;
}

Transfer TermiosSerialPort::read(char* buffer, std::size_t capacity) {
    Transfer t;
    if (m_fd < 0)
        return t;
    const int revents = waitFor(m_fd, POLLIN, monotonicMs() + m_readTimeoutMs);
    if (revents == 0) {
        t.ok = true;
        return t;
    }
    if (revents < 0 || (revents & (POLLERR | POLLNVAL)) ||
        ((revents & POLLHUP) && !(revents & POLLIN)))
        return t;
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, capacity);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            t.ok = true;
            return t;
        }
        // Readable but nothing to read: the line has hung up.
        if (n <= 0)
            return t;
        t.ok = true;
        t.count = static_cast<std::size_t>(n);
        return t;
    }
}

void TermiosSerialPort::close() {
    if (m_fd < 0)
        return;
    // Drop what is still queued: closing a real port otherwise waits for it to drain, which
    // under flow control can take the driver's closing wait of 30 s.
    ::tcflush(m_fd, TCIOFLUSH);
    if (m_saved)
        ::tcsetattr(m_fd, TCSANOW, m_saved.get());
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
    m_saved.reset();
}

} // namespace merix
