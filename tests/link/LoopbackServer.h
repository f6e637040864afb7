#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <functional>
#include <initializer_list>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace merix::test {

// A TCP server of the test on the loopback address: serves one client from a thread with a
// script that gets the connection. Without a script nobody accepts, and once one client
// waits in the queue the next connect hangs, as to a host that does not answer.
class LoopbackServer {
  public:
    using Script = std::function<void(int fd)>;

    explicit LoopbackServer(Script script = {}) {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof a;
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(m_listener, 0);
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&a), &length);
        m_port = ntohs(a.sin_port);
        if (::pipe2(m_stop, O_CLOEXEC) != 0)
            m_stop[0] = m_stop[1] = -1;
        if (script)
            m_thread = std::thread([this, script] { serve(script); });
        else
            fillQueue();
    }
    ~LoopbackServer() {
        stopWaiting();
        if (m_thread.joinable())
            m_thread.join();
        for (const int fd : {m_listener, m_stop[0], m_stop[1], m_queued})
            if (fd >= 0)
                ::close(fd);
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return m_port; }
    std::string url(const char* scheme) const {
        return std::string(scheme) + "://127.0.0.1:" + std::to_string(m_port);
    }

  private:
    // For a server no client came to.
    void stopWaiting() {
        const char c = 0;
        [[maybe_unused]] const ssize_t n = ::write(m_stop[1], &c, 1);
    }

    void serve(const Script& script) {
        pollfd fds[2] = {{m_listener, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) <= 0 || !(fds[0].revents & POLLIN))
            return;
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        script(client);
        ::close(client);
    }
    void fillQueue() {
        m_queued = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(static_cast<std::uint16_t>(m_port));
        ::connect(m_queued, reinterpret_cast<sockaddr*>(&a), sizeof a);
    }

    int m_listener = -1;
    int m_port = 0;
    int m_stop[2] = {-1, -1};
    int m_queued = -1;
    std::thread m_thread;
};

// Reads what has come within the time-out (for a script).
inline std::string receiveSome(int fd, int timeoutMs = 2000) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return {};
    char buffer[4096];
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

// Takes whatever the client sends until it hangs up (for a script that only waits).
inline void drainUntilClosed(int fd) {
    while (!receiveSome(fd, 60000).empty()) {
    }
}

// Reads what the client sends until the text has come (for a script).
inline std::string receiveUntil(int fd, const std::string& end) {
    std::string got;
    for (std::string more; got.find(end) == std::string::npos; got += more)
        if ((more = receiveSome(fd)).empty())
            break;
    return got;
}

inline std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

inline void sendAll(int fd, const std::string& bytes) {
    [[maybe_unused]] const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

} // namespace merix::test
