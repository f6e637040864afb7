#pragma once

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace merix::test {

// A TCP port on the loopback address that nothing listens on right now.
inline int freeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

// Whether something listens on the port of 127.0.0.1 (or ::1). Read from the kernel's socket
// table rather than by connecting, since a connection to ser2net opens its serial device.
inline bool listening(int port, bool ipv6 = false) {
    std::ifstream table(ipv6 ? "/proc/net/tcp6" : "/proc/net/tcp");
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%s:%04X",
                  ipv6 ? "00000000000000000000000001000000" : "0100007F", port);
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state;
        fields >> slot >> local >> remote >> state;
        if (local == wanted && state == "0A")
            return true;
    }
    return false;
}

// ser2net in the foreground, bridging a free loopback port to a serial device, raw or with
// Telnet and RFC 2217 serial port control, with its own configuration in `folder`. Stopped
// (and reaped) at the end, and killed with the test process should that die first.
class Ser2netProcess {
  public:
    // charDelay false: ser2net passes the device's bytes on at once instead of waiting for
    // two more characters' time.
    Ser2netProcess(const std::string& device, bool rfc2217, const std::string& folder,
                   bool charDelay = true)
        : m_port(freeLoopbackPort()), m_rfc2217(rfc2217) {
        const std::string config = folder + "/ser2net.yaml";
        std::ofstream(config) << "%YAML 1.1\n---\n"
                              << "connection: &merix\n"
                              << "  accepter: " << (rfc2217 ? "telnet(rfc2217)," : "")
                              << "tcp,127.0.0.1," << m_port << "\n"
                              << "  connector: serialdev," << device << ",9600n81,local\n"
                              << (charDelay ? "" : "  options:\n    chardelay: false\n");
        const std::string log = folder + "/ser2net.log";
        const pid_t parent = ::getpid();
        m_pid = ::fork();
        if (m_pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != parent)
                ::_exit(127);
            const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            ::dup2(out, STDOUT_FILENO);
            ::dup2(out, STDERR_FILENO);
            // -u: no UUCP lock file, which a killed ser2net would leave behind.
            ::execlp("ser2net", "ser2net", "-n", "-u", "-c", config.c_str(),
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        m_running = m_pid > 0 && waitUntilListening();
    }
    ~Ser2netProcess() { stop(); }
    Ser2netProcess(const Ser2netProcess&) = delete;
    Ser2netProcess& operator=(const Ser2netProcess&) = delete;

    // False when ser2net is missing or did not come up.
    bool running() const { return m_running; }
    int port() const { return m_port; }
    std::string url() const {
        return std::string(m_rfc2217 ? "rfc2217" : "tcp") +
               "://127.0.0.1:" + std::to_string(m_port);
    }

    // SIGTERM for a clean stop; SIGKILL for a server that vanishes under its clients.
    void stop(int signal = SIGTERM) {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, signal);
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_pid = -1;
        m_running = false;
    }

  private:
    bool waitUntilListening() {
        using namespace std::chrono;
        const auto giveUp = steady_clock::now() + seconds(10);
        while (steady_clock::now() < giveUp) {
            if (listening(m_port))
                return true;
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                return false;
            }
            std::this_thread::sleep_for(milliseconds(20));
        }
        return false;
    }

    pid_t m_pid = -1;
    int m_port;
    bool m_rfc2217;
    bool m_running = false;
};

} // namespace merix::test
