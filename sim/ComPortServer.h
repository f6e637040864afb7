#pragma once

#include "link/LineSettings.h"
#include "link/TelnetCodec.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace merix::sim {

// The Telnet side of an access server with COM Port Control (RFC 2217) in front of the
// simulated controller: answers the client's negotiation and requests as a real one would,
// keeps the line settings the client set and says so on the log.
class ComPortServer {
  public:
    explicit ComPortServer(std::FILE* log);

    // What the server asks for when a client connects.
    std::string greeting();
    // Bytes from the client: its serial data to `data`, our answers to `reply`.
    void receive(std::string_view wire, std::string& data, std::string& reply);
    // Serial data for the client.
    void encode(std::string_view data, std::string& wire) const { m_telnet.encode(data, wire); }

    const LineSettings& line() const { return m_line; }

  private:
    std::string answer(std::string_view request);
    std::string answerLine(std::uint8_t command, std::string_view value);

    std::FILE* m_log;
    TelnetCodec m_telnet;
    LineSettings m_line;
};

} // namespace merix::sim
