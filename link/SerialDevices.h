#pragma once

#include "link/SerialPort.h"

#include <string>
#include <vector>

namespace merix {

// The serial devices present: USB adapters, ACM modems, on-board UARTs with hardware
// behind them (the kernel creates /dev/ttyS* nodes for ports that may not exist).
std::vector<std::string> listSerialDevices(const std::string& sysClassTty = "/sys/class/tty",
                                           const std::string& devDir = "/dev");

// One line telling the user why the port did not open and what to do about it.
std::string openFailureReason(const OpenResult& result, const std::string& device,
                              const std::vector<std::string>& presentDevices);

// For a port name the port map has no device for.
std::string unmappedPortReason(const std::string& portName);

} // namespace merix
