#pragma once

#include "link/NetworkSerialPort.h"
#include "link/TelnetCodec.h"

#include <array>
#include <optional>
#include <string>

namespace merix {

// A serial port behind a Telnet server with COM Port Control (RFC 2217: ser2net's
// telnet(rfc2217) accepter, most device servers): rfc2217://host:port. Open agrees on the
// option, configure sets the remote port's rate and framing and checks what the server
// says it set, purge purges the server's buffers too.
class Rfc2217SerialPort final : public NetworkSerialPort {
  public:
    explicit Rfc2217SerialPort(int connectTimeoutMs = kConnectTimeoutMs);

    OpenResult open(const std::string& endpoint) override;
    ConfigureResult configure(const PortConfig& config) override;
    void purge() override;
    Transfer write(std::string_view bytes) override;
    Transfer read(char* buffer, std::size_t capacity) override;

  private:
    enum class Pump { Progress, TimedOut, Broken };

    Pump pumpOnce(std::int64_t deadlineMs);
    template <typename Done> Pump pumpUntil(std::int64_t deadlineMs, Done done);
    void handle(const TelnetCodec::Subnegotiation& sub);
    void keep(std::string_view data);
    bool sendRaw(const std::string& bytes);

    TelnetCodec m_telnet;
    std::string
        m_pending; // data that came while we waited for something else, or past a read's capacity
    std::array<std::optional<std::string>, 4> m_lineReplies; // the server's values, by line command
};

} // namespace merix
