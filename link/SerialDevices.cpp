#include "link/SerialDevices.h"

#include "link/NetworkFailures.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace merix {

namespace {

bool startsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

bool hasHardware(const std::filesystem::path& sysEntry) {
    std::ifstream type(sysEntry / "type");
    int t = 0;
    return type >> t && t != 0;
}

bool isSerialName(const std::string& name, const std::filesystem::path& sysEntry) {
    for (const char* p : {"ttyUSB", "ttyACM", "ttyAMA", "ttyXRUSB", "rfcomm"})
        if (startsWith(name, p))
            return true;
    return startsWith(name, "ttyS") && hasHardware(sysEntry);
}

} // namespace

std::vector<std::string> listSerialDevices(const std::string& sysClassTty,
                                           const std::string& devDir) {
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(sysClassTty, ec)) {
        const std::string name = entry.path().filename().string();
        const std::string dev = devDir + "/" + name;
        if (isSerialName(name, entry.path()) && std::filesystem::exists(dev, ec))
            found.push_back(dev);
        if (found.size() >= 64)
            break;
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string openFailureReason(const OpenResult& result, const std::string& device,
                              const std::vector<std::string>& presentDevices) {
    switch (result.error) {
    case OpenError::PermissionDenied:
        return "Permission denied on " + device +
               ": your user is not in the dialout group (sudo usermod -aG dialout $USER, then "
               "log in again).";
    case OpenError::Busy:
        return device + " is busy: another program holds it.";
    case OpenError::NoSuchDevice: {
        std::string line = "No such device " + device + " (unplugged?).";
        if (presentDevices.empty())
            return line + "  No serial devices are present.";
        line += "  Serial devices present:";
        for (std::size_t i = 0; i < presentDevices.size(); ++i)
            line += (i ? ", " : " ") + presentDevices[i];
        return line + ".";
    }
    case OpenError::NotASerialDevice:
        return device + " is not a serial device.";
    case OpenError::Other:
    case OpenError::None:
        break;
    default:
        return networkFailureReason(result, device);
    }
    return device + ": " + std::strerror(result.systemError) + ".";
}

std::string unmappedPortReason(const std::string& portName) {
    return "No device is set for " + portName + ".";
}

} // namespace merix
