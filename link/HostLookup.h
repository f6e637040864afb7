#pragma once

#include "link/SerialPort.h"

#include <cstdint>
#include <memory>
#include <string>

struct addrinfo;

namespace merix {

struct HostAddresses {
    OpenResult result;                   // HostNotFound, Stopped, ConnectTimeout or Other
    std::shared_ptr<addrinfo> addresses; // every address of the host, for a stream socket
};

// Looks the host up for the port. An address is taken as it is; a name is resolved on a
// thread of its own, so that a resolver waiting on an unreachable name server cannot keep
// us past the deadline or a Stop (wakeFd); the thread ends by itself later.
HostAddresses lookUpHost(const std::string& host, std::uint16_t port, std::int64_t deadlineMs,
                         int wakeFd);

} // namespace merix
