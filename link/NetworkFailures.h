#pragma once

#include "link/SerialPort.h"

#include <string>

namespace merix {

// How long a port on the network may take to connect (name lookup, TCP, Telnet negotiation)
// and a server to answer serial port control.
inline constexpr int kConnectTimeoutMs = 10000;

// One line telling the user why the port on the network did not open, naming it.
std::string networkFailureReason(const OpenResult& result, const std::string& endpoint);

// An open connection that broke: closed by the far end (systemError 0) or failed.
std::string droppedConnectionReason(const std::string& endpoint, int systemError);

} // namespace merix
