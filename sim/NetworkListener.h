#pragma once

#include <string>
#include <vector>

namespace merix::sim {

// A TCP port on the loopback addresses (IPv4, and IPv6 where the machine has it), for the
// simulator to be reached as a controller on the network without being exposed to one.
class NetworkListener {
  public:
    explicit NetworkListener(int port); // 0: a free port
    ~NetworkListener();
    NetworkListener(const NetworkListener&) = delete;
    NetworkListener& operator=(const NetworkListener&) = delete;

    bool ok() const { return !m_fds.empty(); }
    const std::string& error() const { return m_error; }
    int port() const { return m_port; }

    // The next client's connection; -1 once stopFd is readable or listening failed.
    int accept(int stopFd);

  private:
    bool listenOn(int family);

    std::vector<int> m_fds;
    int m_port;
    std::string m_error;
};

} // namespace merix::sim
