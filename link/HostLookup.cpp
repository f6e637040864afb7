#include "link/HostLookup.h"

#include "link/SocketWait.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace merix {

namespace {

// Shared with the resolver thread, which may outlive the wait.
struct Lookup {
    std::string host;
    std::string service;
    int done[2] = {-1, -1};
    std::mutex mutex;
    int status = 0;
    int systemError = 0;
    addrinfo* list = nullptr;

    ~Lookup() {
        if (list)
            ::freeaddrinfo(list);
        for (const int fd : done)
            if (fd >= 0)
                ::close(fd);
    }
};

addrinfo streamHints(int flags) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags | AI_NUMERICSERV;
    return hints;
}

HostAddresses fromStatus(int status, int systemError, addrinfo* list) {
    HostAddresses out;
    if (status == 0) {
        out.addresses.reset(list, ::freeaddrinfo);
        return out;
    }
    if (status == EAI_SYSTEM)
        out.result = {OpenError::Other, systemError};
    else if (status == EAI_MEMORY)
        out.result = {OpenError::Other, ENOMEM};
    else
        out.result = {OpenError::HostNotFound, 0};
    return out;
}

HostAddresses resolveName(const std::shared_ptr<Lookup>& lookup, std::int64_t deadlineMs,
                          int wakeFd) {
    try {
        std::thread([lookup] {
            const addrinfo hints = streamHints(0);
            addrinfo* list = nullptr;
            const int status =
                ::getaddrinfo(lookup->host.c_str(), lookup->service.c_str(), &hints, &list);
            {
                std::lock_guard lock(lookup->mutex);
                lookup->status = status;
                lookup->systemError = errno;
                lookup->list = list;
            }
            const char byte = 0;
            [[maybe_unused]] const ssize_t n = ::write(lookup->done[1], &byte, 1);
        }).detach();
    } catch (const std::system_error& e) {
        return {{OpenError::Other, e.code().value()}, nullptr};
    }
    const Readiness r = waitReady(lookup->done[0], POLLIN, deadlineMs, wakeFd);
    if (r.kind == Readiness::Kind::Woken)
        return {{OpenError::Stopped, 0}, nullptr};
    if (r.kind != Readiness::Kind::Ready)
        return {{OpenError::ConnectTimeout, 0}, nullptr};
    std::lock_guard lock(lookup->mutex);
    addrinfo* list = lookup->list;
    lookup->list = nullptr;
    return fromStatus(lookup->status, lookup->systemError, list);
}

} // namespace

HostAddresses lookUpHost(const std::string& host, std::uint16_t port, std::int64_t deadlineMs,
                         int wakeFd) {
    const std::string service = std::to_string(port);
    const addrinfo numeric = streamHints(AI_NUMERICHOST);
    addrinfo* list = nullptr;
    const int status = ::getaddrinfo(host.c_str(), service.c_str(), &numeric, &list);
    if (status != EAI_NONAME)
        return fromStatus(status, errno, list);

    auto lookup = std::make_shared<Lookup>();
    lookup->host = host;
    lookup->service = service;
    if (::pipe2(lookup->done, O_CLOEXEC) != 0)
        return {{OpenError::Other, errno}, nullptr};
    return resolveName(lookup, deadlineMs, wakeFd);
}

} // namespace merix
