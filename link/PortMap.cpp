#include "link/PortMap.h"

namespace merix {

PortMap::PortMap()
{
    for (int i = 0; i < kPortCount; ++i)
        m_devices[i] = "/dev/ttyS" + std::to_string(i);
}

std::optional<std::string> PortMap::deviceFor(std::string_view portName) const
{
    for (int i = 0; i < kPortCount; ++i) {
        if (portName == comPortName(i) && !m_devices[i].empty())
            return m_devices[i];
    }
    return std::nullopt;
}

std::string comPortName(int comPort)
{
    return "COM" + std::to_string(static_cast<long long>(comPort) + 1);
}

} // namespace merix
