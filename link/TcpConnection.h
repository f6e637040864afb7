#pragma once

#include "link/SerialPort.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// One TCP connection whose every wait is bounded: the connect by a deadline, a receive by
// its time-out, a send by progress. interrupt() from another thread ends the wait at hand
// and fails all later ones.
class TcpConnection {
  public:
    TcpConnection();
    ~TcpConnection();
    TcpConnection(const TcpConnection&) = delete;
    TcpConnection& operator=(const TcpConnection&) = delete;

    // Tries each address of the host in turn until one answers or the deadline passes.
    OpenResult connect(const std::string& host, std::uint16_t port, std::int64_t deadlineMs);
    // Bytes as soon as there are some; ok and empty at the deadline; not ok once broken.
    Transfer receive(char* buffer, std::size_t capacity, std::int64_t deadlineMs);
    // All of them, or as many as went before none more could for the time-out.
    Transfer send(std::string_view bytes, int timeoutMs);
    // Drops what has arrived and was not read.
    void discardInput();
    void close();
    bool isOpen() const { return m_fd >= 0; }

    void interrupt();
    bool interrupted() const { return m_interrupted; }
    // Once the connection broke: 0 when the far end closed it, else the errno.
    std::optional<int> brokenBy() const { return m_brokenBy; }

  private:
    OpenResult connectOne(const void* address, unsigned length, int family,
                          std::int64_t deadlineMs);
    Transfer broke(int systemError, std::size_t count);
    void acknowledgeAtOnce();

    int m_fd = -1;
    int m_wake[2] = {-1, -1};
    std::atomic<bool> m_interrupted{false};
    std::optional<int> m_brokenBy;
};

} // namespace merix
