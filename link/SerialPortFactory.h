#pragma once

#include "link/Endpoint.h"
#include "link/SerialPort.h"

#include <functional>
#include <memory>

namespace merix {

// The port that reaches the endpoint, not yet open: a tty through termios, or a port on the
// network. Nothing else in the program names a kind of port.
std::unique_ptr<SerialPort> makeSerialPort(const Endpoint& endpoint);

// What the link makes its ports with: makeSerialPort, or a test's stand-in for the line.
using SerialPortFactory = std::function<std::unique_ptr<SerialPort>(const Endpoint&)>;

} // namespace merix
