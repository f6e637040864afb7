#include "sim/NetworkListener.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace merix::sim {

NetworkListener::NetworkListener(int port) : m_port(port) {
    // IPv4 first: with port 0 it picks the port the IPv6 socket then shares.
    if (listenOn(AF_INET))
        listenOn(AF_INET6);
}

NetworkListener::~NetworkListener() {
    for (const int fd : m_fds)
        ::close(fd);
}

bool NetworkListener::listenOn(int family) {
    const int fd = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        m_error = std::string("cannot make a socket: ") + std::strerror(errno);
        return false;
    }
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_storage address{};
    socklen_t length = 0;
    if (family == AF_INET) {
        auto* a = reinterpret_cast<sockaddr_in*>(&address);
        a->sin_family = AF_INET;
        a->sin_port = htons(static_cast<std::uint16_t>(m_port));
        a->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        length = sizeof *a;
    } else {
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &one, sizeof one);
        auto* a = reinterpret_cast<sockaddr_in6*>(&address);
        a->sin6_family = AF_INET6;
        a->sin6_port = htons(static_cast<std::uint16_t>(m_port));
        a->sin6_addr = in6addr_loopback;
        length = sizeof *a;
    }
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 4) != 0) {
        m_error = "cannot listen on port " + std::to_string(m_port) + ": " + std::strerror(errno);
        ::close(fd);
        return false;
    }
    length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(family == AF_INET ? reinterpret_cast<sockaddr_in*>(&address)->sin_port
                                     : reinterpret_cast<sockaddr_in6*>(&address)->sin6_port);
    m_fds.push_back(fd);
    return true;
}

int NetworkListener::accept(int stopFd) {
    for (;;) {
        std::vector<pollfd> fds{{stopFd, POLLIN, 0}};
        for (const int fd : m_fds)
            fds.push_back({fd, POLLIN, 0});
        const int n = ::poll(fds.data(), fds.size(), -1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || fds[0].revents || m_fds.empty())
            return -1;
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            const int client = ::accept4(fds[i].fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            const int one = 1;
            ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            return client;
        }
    }
}

} // namespace merix::sim
