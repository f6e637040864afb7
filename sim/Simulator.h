#pragma once

#include "sim/SimOptions.h"
#include "sim/WirePacer.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace merix::sim {

class ComPortServer;

// A MERIX controller as far as the editor relies on one: a bare carriage return brings
// "DTMF>", every command line its echo, "OK" and "DTMF>". Optionally a Hayes modem stands
// in front of it, answering "ATDT" with "CONNECT" and "+++" (inside guard times) with "OK".
// The line is a pseudo-terminal or a network client; with a ComPortServer the client speaks
// Telnet with serial port control.
class Simulator {
  public:
    Simulator(int fd, const SimOptions& options, ComPortServer* telnet = nullptr);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Serves the line until stopFd becomes readable or the line fails.
    void run(int stopFd);

    // Every line received so far (without its carriage return), and every byte.
    std::vector<std::string> receivedLines() const;
    std::string receivedBytes() const;
    // Stops (or resumes) answering, as a controller that hangs would; safe from any thread.
    void setSilent(bool silent) { m_silent = silent; }

  private:
    void onBytes(std::string_view bytes);
    void onByte(char c, std::int64_t atNs);
    void onLineByte(char c);
    void escapeByte(char c, std::int64_t atNs);
    void completeEscape();
    void controllerLine(const std::string& line);
    void modemLine(const std::string& line);
    void record(const std::string& line);
    void send(std::string_view bytes);
    void answer(const std::string& text);

    int m_fd;
    SimOptions m_options;
    ComPortServer* m_telnet;
    WirePacer m_pacer;
    std::FILE* m_log = nullptr;
    bool m_online; // false while the modem takes AT commands
    bool m_failed = false;
    std::atomic<bool> m_silent;
    std::string m_line;
    std::int64_t m_lastByteNs = 0;
    int m_pluses = 0;
    std::int64_t m_escapeAtNs = 0; // when a pending "+++" becomes the escape

    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
    std::string m_bytes;
};

} // namespace merix::sim
