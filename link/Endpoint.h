#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// Where the controller's serial line is reached: a local device, or a port on the network.
struct Endpoint {
    enum class Kind { Device, Tcp, Rfc2217 };

    Kind kind = Kind::Device;
    std::string path; // a device
    std::string host; // on the network: a name or an address, an IPv6 one without brackets
    std::uint16_t port = 0;

    // The path, or scheme://host:port with an IPv6 address in brackets.
    std::string text() const;
    bool operator==(const Endpoint&) const = default;
};

struct ParsedEndpoint {
    std::optional<Endpoint> endpoint;
    std::string error; // when there is none: what is wrong, naming the text
};

// A device path, "tcp://host:port" (the serial bytes as they are) or "rfc2217://host:port"
// (Telnet with serial port control). The scheme's case does not matter.
ParsedEndpoint parseEndpoint(std::string_view text);

} // namespace merix
