#pragma once

#include <string>

namespace merix::sim {

// A pseudo-terminal whose far end a program opens as its serial port. We hold the far end
// open ourselves too, so a program closing it does not hang the line up for the next one.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool ok() const { return m_master >= 0 && m_slave >= 0; }
    const std::string& error() const { return m_error; }
    int master() const { return m_master; }
    // The device path to open, such as /dev/pts/7.
    const std::string& devicePath() const { return m_path; }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
    std::string m_error;
};

} // namespace merix::sim
