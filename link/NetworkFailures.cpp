#include "link/NetworkFailures.h"

#include "link/Endpoint.h"

#include <cstring>

namespace merix {

namespace {

// The same place as raw TCP, for a server that speaks no Telnet.
std::string rawAlternative(const std::string& endpoint) {
    auto parsed = parseEndpoint(endpoint);
    if (!parsed.endpoint || parsed.endpoint->kind != Endpoint::Kind::Rfc2217)
        return {};
    parsed.endpoint->kind = Endpoint::Kind::Tcp;
    return ": if it is a raw TCP port, use " + parsed.endpoint->text();
}

} // namespace

std::string networkFailureReason(const OpenResult& result, const std::string& endpoint) {
    switch (result.error) {
    case OpenError::BadEndpoint:
        return result.detail;
    case OpenError::HostNotFound:
        return "Host not found for " + endpoint + ": check the name, or give its address.";
    case OpenError::ConnectionRefused:
        return endpoint + " refused the connection: is ser2net running on that port?";
    case OpenError::ConnectTimeout:
        return "No answer from " + endpoint + " within " +
               std::to_string(kConnectTimeoutMs / 1000) +
               " s: is the host up, and the port open to us?";
    case OpenError::ConnectionDropped:
        return endpoint +
               " closed the connection at once: is its serial port in use by someone else?";
    case OpenError::NoPortControl:
        return endpoint + " refused serial port control (RFC 2217)" + rawAlternative(endpoint) +
               ".";
    case OpenError::NoTelnetAnswer:
        return endpoint + " did not answer as a Telnet server" + rawAlternative(endpoint) + ".";
    case OpenError::Stopped:
        return "Connecting to " + endpoint + " was stopped.";
    default:
        break;
    }
    return endpoint + ": " + std::strerror(result.systemError) + ".";
}

std::string droppedConnectionReason(const std::string& endpoint, int systemError) {
    return "The connection to " + endpoint + " was dropped (" +
           (systemError == 0 ? std::string("closed by the far end") : std::strerror(systemError)) +
           ").";
}

} // namespace merix
