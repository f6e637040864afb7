#pragma once

#include "link/Endpoint.h"
#include "link/SerialPort.h"
#include "link/SerialPortFactory.h"

#include <memory>
#include <vector>

namespace merix::test {

// The link makes a port for every connect; a test keeps one stand-in for the line across
// connects and looks at it. The link's port is a handle to that stand-in.
class LentPort final : public SerialPort {
  public:
    explicit LentPort(SerialPort& port) : m_port(port) {}

    OpenResult open(const std::string& endpoint) override { return m_port.open(endpoint); }
    ConfigureResult configure(const PortConfig& config) override {
        return m_port.configure(config);
    }
    void purge() override { m_port.purge(); }
    Transfer write(std::string_view bytes) override { return m_port.write(bytes); }
    Transfer read(char* buffer, std::size_t capacity) override {
        return m_port.read(buffer, capacity);
    }
    void close() override { m_port.close(); }
    bool isOpen() const override { return m_port.isOpen(); }
    std::string failureReason() const override { return m_port.failureReason(); }
    void interrupt() override { m_port.interrupt(); }

  private:
    SerialPort& m_port;
};

// A factory that hands out the one port, noting each endpoint it was asked for.
inline SerialPortFactory lend(SerialPort& port, std::vector<Endpoint>* asked = nullptr) {
    return [&port, asked](const Endpoint& endpoint) {
        if (asked)
            asked->push_back(endpoint);
        return std::make_unique<LentPort>(port);
    };
}

} // namespace merix::test
