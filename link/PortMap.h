#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// "COM1".."COM4" to device paths. The editor keeps the paths in its profile settings, so a
// USB adapter needs no change in the program; these defaults are the PC's first four ports.
class PortMap {
public:
    static constexpr int kPortCount = 4;

    PortMap();
    const std::string& device(int index) const { return m_devices.at(index); }
    void setDevice(int index, std::string path) { m_devices.at(index) = std::move(path); }

    // The device of "COM1".."COM4"; nothing for any other name or an empty entry.
    std::optional<std::string> deviceFor(std::string_view portName) const;

private:
    std::array<std::string, kPortCount> m_devices;
};

// "COM" followed by comPort + 1.
std::string comPortName(int comPort);

} // namespace merix
