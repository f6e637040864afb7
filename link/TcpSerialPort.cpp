#include "link/TcpSerialPort.h"

#include "link/SocketWait.h"

namespace merix {

TcpSerialPort::TcpSerialPort(int connectTimeoutMs)
    : NetworkSerialPort(Endpoint::Kind::Tcp, connectTimeoutMs) {}

OpenResult TcpSerialPort::open(const std::string& endpoint) {
    return connectTo(endpoint);
}

ConfigureResult TcpSerialPort::configure(const PortConfig& config) {
    takeTimeouts(config);
    if (!isValid(config.line))
        return ConfigureResult::BadSettings;
    return isOpen() ? ConfigureResult::Ok : ConfigureResult::CannotApply;
}

// What the server still holds we cannot reach; what has come to us we drop.
void TcpSerialPort::purge() {
    m_connection.discardInput();
}

Transfer TcpSerialPort::write(std::string_view bytes) {
    return m_connection.send(bytes, m_writeTimeoutMs);
}

Transfer TcpSerialPort::read(char* buffer, std::size_t capacity) {
    return m_connection.receive(buffer, capacity, monotonicMs() + m_readTimeoutMs);
}

} // namespace merix
