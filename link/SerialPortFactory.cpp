#include "link/SerialPortFactory.h"

#include "link/Rfc2217SerialPort.h"
#include "link/TcpSerialPort.h"
#include "link/TermiosSerialPort.h"

namespace merix {

std::unique_ptr<SerialPort> makeSerialPort(const Endpoint& endpoint) {
    switch (endpoint.kind) {
    case Endpoint::Kind::Tcp:
        return std::make_unique<TcpSerialPort>();
    case Endpoint::Kind::Rfc2217:
        return std::make_unique<Rfc2217SerialPort>();
    case Endpoint::Kind::Device:
        break;
    }
    return std::make_unique<TermiosSerialPort>();
}

} // namespace merix
