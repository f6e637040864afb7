#pragma once

#include "link/Endpoint.h"
#include "link/NetworkFailures.h"
#include "link/SerialPort.h"
#include "link/TcpConnection.h"

#include <cstdint>
#include <string>

namespace merix {

// What the ports on the network share: the connection, its time-outs and its failures.
class NetworkSerialPort : public SerialPort {
  public:
    void close() override;
    bool isOpen() const override { return m_connection.isOpen(); }
    std::string failureReason() const override;
    void interrupt() override { m_connection.interrupt(); }

  protected:
    NetworkSerialPort(Endpoint::Kind kind, int connectTimeoutMs);

    // Takes the text as an endpoint of our kind and connects within the connect time-out,
    // which then bounds the rest of the open too (openDeadline).
    OpenResult connectTo(const std::string& endpoint);
    std::int64_t openDeadline() const { return m_openDeadline; }
    // Also how long a server may take to answer a request of ours.
    int connectTimeoutMs() const { return m_connectTimeoutMs; }
    void takeTimeouts(const PortConfig& config);

    TcpConnection m_connection;
    std::string m_name; // the endpoint, as every message names it
    int m_readTimeoutMs = 1000;
    int m_writeTimeoutMs = 1000;

  private:
    Endpoint::Kind m_kind;
    int m_connectTimeoutMs;
    std::int64_t m_openDeadline = 0;
};

} // namespace merix
