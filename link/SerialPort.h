#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace merix {

// Why a port could not be opened; the link turns it into a line the user can act on.
enum class OpenError {
    None,
    NoSuchDevice,
    PermissionDenied,
    Busy,
    NotASerialDevice,
    Other,
};

struct OpenResult {
    OpenError error = OpenError::None;
    int systemError = 0; // errno, for OpenError::Other
    bool ok() const { return error == OpenError::None; }
};

enum class ConfigureResult {
    Ok,
    BadModeString, // the mode string cannot be turned into line settings
    CannotApply,   // the device refused the settings
};

struct PortConfig {
    std::size_t inputQueue = 1000;
    std::size_t outputQueue = 1000;
    int readTimeoutMs = 1000;
    int writeTimeoutMs = 1000;
    std::string mode; // "baud=9600 parity=N data=8 stop=1"
};

struct Transfer {
    bool ok = false;
    std::size_t count = 0;
};

// The serial operations the link needs from the platform.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the device for reading and writing, held by no other program.
    virtual OpenResult open(const std::string& device) = 0;
    virtual ConfigureResult configure(const PortConfig& config) = 0;
    // Discards pending input and output.
    virtual void purge() = 0;
    // Returns when every byte went out, or when none could go for the write time-out.
    virtual Transfer write(std::string_view bytes) = 0;
    // Returns as soon as bytes are there (up to capacity), or empty after the read time-out.
    virtual Transfer read(char* buffer, std::size_t capacity) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace merix
