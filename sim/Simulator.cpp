#include "sim/Simulator.h"

#include "sim/ComPortServer.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <poll.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace merix::sim {

namespace {

constexpr std::size_t kLineLimit = 4096;

std::int64_t ms(int milliseconds) {
    return static_cast<std::int64_t>(milliseconds) * 1000000;
}

bool isSocket(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISSOCK(st.st_mode);
}

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

Simulator::Simulator(int fd, const SimOptions& options, ComPortServer* telnet)
    : m_fd(fd), m_options(options), m_telnet(telnet), m_pacer(options.baud, isSocket(fd)),
      m_online(!options.modem), m_silent(options.silent) {
    if (!options.log.empty())
        m_log = std::fopen(options.log.c_str(), "a");
}

Simulator::~Simulator() {
    if (m_log)
        std::fclose(m_log);
}

void Simulator::run(int stopFd) {
    char buffer[4096];
    if (m_telnet && !m_pacer.send(m_fd, m_telnet->greeting()))
        return;
    while (!m_failed) {
        int timeout = -1;
        if (m_escapeAtNs != 0) {
            const std::int64_t left = m_escapeAtNs - WirePacer::nowNs();
            timeout = left > 0 ? static_cast<int>(left / 1000000 + 1) : 0;
        }
        pollfd fds[2] = {{m_fd, POLLIN, 0}, {stopFd, POLLIN, 0}};
        const int n = ::poll(fds, 2, timeout);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || fds[1].revents)
            return;
        if (m_escapeAtNs != 0 && WirePacer::nowNs() >= m_escapeAtNs && !(fds[0].revents & POLLIN))
            completeEscape();
        if (fds[0].revents & (POLLERR | POLLNVAL))
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            return;
        const std::string_view wire(buffer, static_cast<std::size_t>(got));
        if (!m_telnet) {
            onBytes(wire);
            continue;
        }
        std::string data;
        std::string reply;
        m_telnet->receive(wire, data, reply);
        if (!reply.empty() && !m_pacer.send(m_fd, reply))
            return;
        onBytes(data);
    }
}

void Simulator::onBytes(std::string_view bytes) {
    {
        std::lock_guard lock(m_mutex);
        m_bytes.append(bytes);
    }
    m_pacer.startReceive();
    for (const char c : bytes)
        onByte(c, m_pacer.receiveByte());
}

void Simulator::onByte(char c, std::int64_t atNs) {
    if (m_options.modem && m_online)
        escapeByte(c, atNs);
    else
        onLineByte(c);
    m_lastByteNs = atNs;
}

// "+++" is the escape only with a guard time of silence before and after it; otherwise the
// pluses are data for the controller.
void Simulator::escapeByte(char c, std::int64_t atNs) {
    const bool quietBefore = atNs - m_lastByteNs >= ms(m_options.guardMs);
    if (c == '+' && m_pluses < 3 && (m_pluses > 0 || quietBefore)) {
        if (++m_pluses == 3)
            m_escapeAtNs = atNs + ms(m_options.guardMs);
        return;
    }
    for (; m_pluses > 0; --m_pluses)
        onLineByte('+');
    m_escapeAtNs = 0;
    onLineByte(c);
}

void Simulator::completeEscape() {
    m_pluses = 0;
    m_escapeAtNs = 0;
    m_online = false;
    m_line.clear();
    record("+++");
    send("\r\nOK\r\n");
}

void Simulator::onLineByte(char c) {
    if (c == '\n')
        return;
    if (c != '\r') {
        if (m_line.size() < kLineLimit)
            m_line.push_back(c);
        return;
    }
    const std::string line = std::move(m_line);
    m_line.clear();
    record(line);
    if (m_online)
        controllerLine(line);
    else
        modemLine(line);
}

void Simulator::controllerLine(const std::string& line) {
    if (m_silent)
        return;
    if (line.empty()) {
        answer("DTMF>");
        return;
    }
    answer(line + "\r\n" + (m_options.noOk ? "" : "OK\r\n") + "DTMF>");
}

// A modem ignores whatever comes before "AT" on a command line, and lines without it.
void Simulator::modemLine(const std::string& line) {
    const std::string command = upper(line);
    const auto at = command.find("AT");
    if (at == std::string::npos)
        return;
    if (command.compare(at, 4, "ATDT") == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(m_options.connectDelayMs));
        send("\r\nCONNECT " + std::to_string(m_options.baud > 0 ? m_options.baud : 9600) + "\r\n");
        m_online = true;
        m_lastByteNs = WirePacer::nowNs();
        return;
    }
    send("\r\nOK\r\n");
}

void Simulator::answer(const std::string& text) {
    const auto prompt = text.rfind("DTMF>");
    if (!m_options.splitPrompt || prompt == std::string::npos) {
        send(text);
        return;
    }
    send(std::string_view(text).substr(0, prompt + 2));
    std::this_thread::sleep_for(std::chrono::milliseconds(m_options.splitDelayMs));
    send(std::string_view(text).substr(prompt + 2));
}

void Simulator::send(std::string_view bytes) {
    std::string wire;
    if (m_telnet) {
        m_telnet->encode(bytes, wire);
        bytes = wire;
    }
    if (!m_pacer.send(m_fd, bytes))
        m_failed = true;
}

void Simulator::record(const std::string& line) {
    {
        std::lock_guard lock(m_mutex);
        m_lines.push_back(line);
    }
    if (m_log) {
        std::fputs(line.c_str(), m_log);
        std::fputc('\n', m_log);
        std::fflush(m_log);
    }
}

std::vector<std::string> Simulator::receivedLines() const {
    std::lock_guard lock(m_mutex);
    return m_lines;
}

std::string Simulator::receivedBytes() const {
    std::lock_guard lock(m_mutex);
    return m_bytes;
}

} // namespace merix::sim
