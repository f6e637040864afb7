#pragma once

#include "sim/SimOptions.h"

#include <cstdio>

namespace merix::sim {

class NetworkListener;

// Serves one client after the other as the controller, raw or with Telnet and serial port
// control as the options say, until stopFd becomes readable. The settings a client sets
// go to `log`.
void serveNetwork(NetworkListener& listener, const SimOptions& options, int stopFd, std::FILE* log);

} // namespace merix::sim
