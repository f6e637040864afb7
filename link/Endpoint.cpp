#include "link/Endpoint.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <charconv>

namespace merix {

namespace {

constexpr std::string_view kForms = "a device path, tcp://host:port or rfc2217://host:port";

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A scheme as URLs have them; anything else before "://" belongs to a path.
bool isScheme(std::string_view s) {
    return !s.empty() && std::isalpha(static_cast<unsigned char>(s[0])) &&
           std::all_of(s.begin(), s.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' ||
                      c == '.';
           });
}

bool isHostName(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_';
    });
}

std::optional<std::uint16_t> portNumber(std::string_view s) {
    if (!s.empty() && s.back() == '/')
        s.remove_suffix(1);
    unsigned value = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || ptr != s.data() + s.size() || value < 1 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

// host:port or [IPv6]:port; the error names the whole text.
std::string splitAuthority(std::string_view authority, std::string_view whole, Endpoint& e) {
    const std::string name(whole);
    // The example in a message is of the kind the user meant.
    const std::string scheme = e.kind == Endpoint::Kind::Tcp ? "tcp://" : "rfc2217://";
    std::string_view portText;
    if (!authority.empty() && authority[0] == '[') {
        const auto close = authority.find(']');
        if (close == std::string_view::npos)
            return name + ": the IPv6 address has no closing bracket.";
        e.host = std::string(authority.substr(1, close - 1));
        // A link-local address may name its interface after "%".
        const std::string address = e.host.substr(0, e.host.find('%'));
        in6_addr parsed{};
        if (::inet_pton(AF_INET6, address.c_str(), &parsed) != 1)
            return name + ": [" + e.host + "] is not an IPv6 address.";
        if (authority.substr(close + 1, 1) != ":")
            return name + " has no port number: write it as in " + scheme + "[::1]:2000.";
        portText = authority.substr(close + 2);
    } else {
        const auto colon = authority.rfind(':');
        if (colon == std::string_view::npos)
            return name + " has no port number: write it as in " + scheme + "host:2000.";
        e.host = std::string(authority.substr(0, colon));
        if (e.host.find(':') != std::string::npos)
            return name + ": put an IPv6 address in brackets, as in " + scheme + "[::1]:2000.";
        if (e.host.empty())
            return name + " has no host name.";
        if (!isHostName(e.host))
            return name + ": \"" + e.host + "\" is not a host name or address.";
        portText = authority.substr(colon + 1);
    }
    const auto port = portNumber(portText);
    if (!port)
        return name + ": the port must be a number from 1 to 65535.";
    e.port = *port;
    return {};
}

} // namespace

std::string Endpoint::text() const {
    if (kind == Kind::Device)
        return path;
    const bool ipv6 = host.find(':') != std::string::npos;
    return std::string(kind == Kind::Tcp ? "tcp" : "rfc2217") + "://" + (ipv6 ? "[" : "") + host +
           (ipv6 ? "]" : "") + ":" + std::to_string(port);
}

ParsedEndpoint parseEndpoint(std::string_view text) {
    if (text.empty())
        return {std::nullopt,
                "No device or network port is given: give " + std::string(kForms) + "."};
    const auto separator = text.find("://");
    if (separator == std::string_view::npos || !isScheme(text.substr(0, separator))) {
        Endpoint device;
        device.path = std::string(text);
        return {device, {}};
    }
    const std::string scheme = lower(text.substr(0, separator));
    Endpoint e;
    if (scheme == "tcp")
        e.kind = Endpoint::Kind::Tcp;
    else if (scheme == "rfc2217")
        e.kind = Endpoint::Kind::Rfc2217;
    else
        return {std::nullopt, std::string(text) + ": unknown kind of port \"" + scheme +
                                  "://\"; give " + std::string(kForms) + "."};
    std::string error = splitAuthority(text.substr(separator + 3), text, e);
    if (!error.empty())
        return {std::nullopt, std::move(error)};
    return {e, {}};
}

} // namespace merix
