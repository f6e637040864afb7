#include "link/NetworkSerialPort.h"

#include "link/SocketWait.h"

namespace merix {

NetworkSerialPort::NetworkSerialPort(Endpoint::Kind kind, int connectTimeoutMs)
    : m_kind(kind), m_connectTimeoutMs(connectTimeoutMs) {}

OpenResult NetworkSerialPort::connectTo(const std::string& endpoint) {
    close();
    const ParsedEndpoint parsed = parseEndpoint(endpoint);
    if (!parsed.endpoint)
        return {OpenError::BadEndpoint, 0, parsed.error};
    if (parsed.endpoint->kind != m_kind)
        return {OpenError::BadEndpoint, 0,
                endpoint + " is not a " + (m_kind == Endpoint::Kind::Tcp ? "tcp" : "rfc2217") +
                    ":// address."};
    m_name = parsed.endpoint->text();
    m_openDeadline = monotonicMs() + m_connectTimeoutMs;
    return m_connection.connect(parsed.endpoint->host, parsed.endpoint->port, m_openDeadline);
}

void NetworkSerialPort::takeTimeouts(const PortConfig& config) {
    m_readTimeoutMs = config.readTimeoutMs;
    m_writeTimeoutMs = config.writeTimeoutMs;
}

void NetworkSerialPort::close() {
    m_connection.close();
}

std::string NetworkSerialPort::failureReason() const {
    if (m_connection.interrupted())
        return "The connection to " + m_name + " was stopped.";
    if (const auto error = m_connection.brokenBy())
        return droppedConnectionReason(m_name, *error);
    return {};
}

} // namespace merix
