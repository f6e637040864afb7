#pragma once

#include "link/SerialPort.h"

#include <memory>

struct termios;

namespace merix {

// A Linux tty (a built-in port, a USB adapter, a pseudo-terminal) through termios.
// The kernel gives every tty fixed driver buffers (4096 bytes of input in the line
// discipline, a page of output in the serial core), both larger than the queue sizes asked
// for, and offers no way to set them per port; configure() therefore leaves them as they are.
class TermiosSerialPort final : public SerialPort {
public:
    TermiosSerialPort();
    ~TermiosSerialPort() override;
    TermiosSerialPort(const TermiosSerialPort&) = delete;
    TermiosSerialPort& operator=(const TermiosSerialPort&) = delete;

    OpenResult open(const std::string& device) override;
    ConfigureResult configure(const PortConfig& config) override;
    void purge() override;
    Transfer write(std::string_view bytes) override;
    Transfer read(char* buffer, std::size_t capacity) override;
    void close() override;
    bool isOpen() const override { return m_fd >= 0; }

private:
    int m_fd = -1;
    int m_readTimeoutMs = 1000;
    int m_writeTimeoutMs = 1000;
    std::unique_ptr<termios> m_saved; // the settings found at open, put back at close
};

} // namespace merix
