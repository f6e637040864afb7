#pragma once

#include "link/UploadSettings.h"

#include <string>
#include <string_view>

namespace merix {

// What one connection runs on: the port as the settings name it, the device or address
// behind it, the rate and the kind of line.
struct ConnectionInfo {
    std::string port;     // "COM1"
    std::string endpoint; // "/dev/ttyUSB0"
    std::string baudRate; // "9600"
    ConnectionType type = ConnectionType::Direct;
};

// Everything that crosses the line while a port is open, as it happens: the bytes written
// and read, and what the link or an upload has to say about it.
class LinkRecorder {
  public:
    virtual ~LinkRecorder() = default;
    virtual void opened(const ConnectionInfo& connection) = 0;
    virtual void sent(std::string_view bytes) = 0;
    virtual void received(std::string_view bytes) = 0;
    virtual void note(std::string_view text) = 0;
    virtual void closed() = 0;
};

} // namespace merix
