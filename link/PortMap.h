#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// "COM1".."COM4" to endpoints: a device path, or tcp://host:port or rfc2217://host:port for a
// serial port on the network. The editor keeps them in its profile settings, so a USB adapter
// or a serial device server needs no change in the program; the defaults are the PC's first
// four ports. An entry is kept as typed; the link reads it when it connects.
class PortMap {
public:
    static constexpr int kPortCount = 4;

    PortMap();
    const std::string& device(int index) const { return m_devices.at(index); }
    void setDevice(int index, std::string endpoint) { m_devices.at(index) = std::move(endpoint); }

    // The endpoint of "COM1".."COM4"; nothing for any other name or an empty entry.
    std::optional<std::string> deviceFor(std::string_view portName) const;

private:
    std::array<std::string, kPortCount> m_devices;
};

// "COM" followed by comPort + 1.
std::string comPortName(int comPort);

} // namespace merix
