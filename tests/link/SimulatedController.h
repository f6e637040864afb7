#pragma once

#include "sim/PseudoTerminal.h"
#include "sim/Simulator.h"

#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace merix::test {

// merix-sim's controller on a real pseudo-terminal, served from a thread of the test.
class SimulatedController {
public:
    explicit SimulatedController(const sim::SimOptions& options = {})
        : m_simulator(m_pty.master(), options)
    {
        if (::pipe2(m_stop, O_CLOEXEC) != 0)
            m_stop[0] = m_stop[1] = -1;
        m_thread = std::thread([this] { m_simulator.run(m_stop[0]); });
    }
    ~SimulatedController()
    {
        const char c = 0;
        [[maybe_unused]] const ssize_t n = ::write(m_stop[1], &c, 1);
        m_thread.join();
        ::close(m_stop[0]);
        ::close(m_stop[1]);
    }
    SimulatedController(const SimulatedController&) = delete;
    SimulatedController& operator=(const SimulatedController&) = delete;

    const std::string& device() const { return m_pty.devicePath(); }
    std::vector<std::string> lines() const { return m_simulator.receivedLines(); }
    std::string bytes() const { return m_simulator.receivedBytes(); }
    void setSilent(bool silent) { m_simulator.setSilent(silent); }

private:
    sim::PseudoTerminal m_pty;
    sim::Simulator m_simulator;
    int m_stop[2] = {-1, -1};
    std::thread m_thread;
};

} // namespace merix::test
