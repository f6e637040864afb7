#pragma once

#include "link/LineSettings.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace merix {

// Why a port could not be opened; the link turns it into a line the user can act on.
enum class OpenError {
    None,
    // a local device
    NoSuchDevice,
    PermissionDenied,
    Busy,
    NotASerialDevice,
    // a port on the network
    BadEndpoint,       // not a URL of the port's kind; the detail says what is wrong
    HostNotFound,      // the name did not resolve
    ConnectionRefused, // nothing listens on that port
    ConnectTimeout,    // no answer within the connect time-out
    ConnectionDropped, // the far end closed the connection while we set it up
    NoPortControl,     // the server refused serial port control (RFC 2217)
    NoTelnetAnswer,    // the server never answered the Telnet negotiation
    Stopped,           // interrupt() ended the open
    Other,
};

struct OpenResult {
    OpenError error = OpenError::None;
    int systemError = 0;  // errno, for OpenError::Other
    std::string detail{}; // for OpenError::BadEndpoint
    bool ok() const { return error == OpenError::None; }
};

enum class ConfigureResult {
    Ok,
    BadSettings, // the line settings make no sense (no rate, impossible framing)
    CannotApply, // the device or the server refused the settings
};

struct PortConfig {
    std::size_t inputQueue = 1000;
    std::size_t outputQueue = 1000;
    int readTimeoutMs = 1000;
    int writeTimeoutMs = 1000;
    LineSettings line;
};

struct Transfer {
    bool ok = false;
    std::size_t count = 0;
};

// The serial operations the link needs from the platform.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens the endpoint (a device path, or the URL of a port on the network) for reading and
    // writing, held by no other program.
    virtual OpenResult open(const std::string& endpoint) = 0;
    virtual ConfigureResult configure(const PortConfig& config) = 0;
    // Discards pending input and output.
    virtual void purge() = 0;
    // Returns when every byte went out, or when none could go for the write time-out.
    virtual Transfer write(std::string_view bytes) = 0;
    // Returns as soon as bytes are there (up to capacity), or empty after the read time-out.
    virtual Transfer read(char* buffer, std::size_t capacity) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Why the last read or write failed, naming the endpoint; empty when the failure itself
    // says all there is (a local device).
    virtual std::string failureReason() const { return {}; }
    // Ends a wait of open, read or write running on another thread, and fails every later
    // one: for Stop while a network port connects. Safe from any thread; a local device
    // never waits longer than its time-outs and ignores it.
    virtual void interrupt() {}
};

} // namespace merix
