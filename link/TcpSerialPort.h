#pragma once

#include "link/NetworkSerialPort.h"

namespace merix {

// A serial port behind a server that passes the bytes as they are (ser2net's raw TCP
// accepter, a device server in raw mode): tcp://host:port. The line settings are the
// server's; we cannot set them from here.
class TcpSerialPort final : public NetworkSerialPort {
  public:
    explicit TcpSerialPort(int connectTimeoutMs = kConnectTimeoutMs);

    OpenResult open(const std::string& endpoint) override;
    ConfigureResult configure(const PortConfig& config) override;
    void purge() override;
    Transfer write(std::string_view bytes) override;
    Transfer read(char* buffer, std::size_t capacity) override;
};

} // namespace merix
