#pragma once

#include "sim/NetworkListener.h"
#include "sim/NetworkServer.h"

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace merix::test {

// merix-sim's controller on a loopback TCP port, raw or behind Telnet with serial port
// control, served from a thread of the test. The lines it receives go to options.log, the
// settings a client sets to settingsLog.
class NetworkController {
  public:
    NetworkController(bool telnet, const std::string& settingsLog, sim::SimOptions options = {})
        : m_listener(0), m_telnet(telnet) {
        options.listen = sim::ListenPort{telnet, 0};
        m_log = std::fopen(settingsLog.c_str(), "w");
        if (::pipe2(m_stop, O_CLOEXEC) != 0)
            m_stop[0] = m_stop[1] = -1;
        m_thread = std::thread(
            [this, options] { sim::serveNetwork(m_listener, options, m_stop[0], m_log); });
    }
    ~NetworkController() {
        const char c = 0;
        [[maybe_unused]] const ssize_t n = ::write(m_stop[1], &c, 1);
        m_thread.join();
        ::close(m_stop[0]);
        ::close(m_stop[1]);
        if (m_log)
            std::fclose(m_log);
    }
    NetworkController(const NetworkController&) = delete;
    NetworkController& operator=(const NetworkController&) = delete;

    bool ok() const { return m_listener.ok() && m_log; }
    int port() const { return m_listener.port(); }
    std::string url(const char* host = "127.0.0.1") const {
        return std::string(m_telnet ? "rfc2217" : "tcp") + "://" + host + ":" +
               std::to_string(m_listener.port());
    }

  private:
    sim::NetworkListener m_listener;
    bool m_telnet;
    std::FILE* m_log = nullptr;
    int m_stop[2] = {-1, -1};
    std::thread m_thread;
};

} // namespace merix::test
