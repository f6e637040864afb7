#pragma once

#include "link/Endpoint.h"
#include "link/SerialPort.h"

#include <memory>

namespace merix {

// The port that reaches the endpoint, not yet open: a tty through termios, or a port on the
// network. Nothing else in the program names a kind of port.
std::unique_ptr<SerialPort> makeSerialPort(const Endpoint& endpoint);

} // namespace merix
