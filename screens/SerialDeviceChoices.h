#pragma once

#include <string>
#include <vector>

namespace merix {

// A device the user may give a "Port n": its path and, for a stable name, the device it
// stands for at the moment.
struct SerialDeviceChoice {
    std::string path;
    std::string currentDevice; // empty for a kernel name
};

// The stable /dev/serial/by-id names first (they survive re-plugging and reboots), then the
// kernel names of the serial devices present.
std::vector<SerialDeviceChoice>
serialDeviceChoices(const std::string& byIdDir = "/dev/serial/by-id",
                    const std::string& sysClassTty = "/sys/class/tty",
                    const std::string& devDir = "/dev");

} // namespace merix
