#include "link/TranscriptWriter.h"

#include "link/WallTime.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace merix {

namespace {

constexpr std::int64_t kSyncSpacingMs = 1000;
// An answer is written once it ends in the prompt; one that never does is written in parts.
constexpr std::size_t kLongestAnswer = 4096;

std::int64_t steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

// A new file in the folder, named after the time; never one that exists.
int createFile(const std::string& folder, std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string stem = folder + "/" + fileStamp(std::chrono::system_clock::now());
    for (int n = 1; n < 100; ++n) {
        path = stem;
        if (n > 1)
            path += '-' + std::to_string(n);
        path += ".txt";
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

const char* connectionWords(ConnectionType type) {
    return type == ConnectionType::Modem ? "modem" : "direct connection";
}

} // namespace

std::string escapedBytes(std::string_view bytes) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() + 8);
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\\')
            out += "\\\\";
        else if (u < 0x20 || u > 0x7E)
            out += {'\\', 'x', hex[u >> 4], hex[u & 15]};
        else
            out += c;
    }
    return out;
}

TranscriptWriter::TranscriptWriter(std::string folder) : m_folder(std::move(folder)) {}

TranscriptWriter::~TranscriptWriter() {
    close();
}

void TranscriptWriter::opened(const ConnectionInfo& connection) {
    close();
    m_fd = createFile(m_folder, m_path);
    if (m_fd < 0)
        m_path.clear();
    m_lastSyncMs = steadyMs();
    write('#', connection.port + " " + connection.endpoint + ", " + connection.baudRate +
                   " baud, " + connectionWords(connection.type) + ": port opened");
}

void TranscriptWriter::sent(std::string_view bytes) {
    writeAnswer();
    write('>', escapedBytes(bytes));
}

void TranscriptWriter::received(std::string_view bytes) {
    if (m_fd < 0)
        return;
    if (m_answer.empty())
        m_answerTime = isoLocalTimeMs(std::chrono::system_clock::now());
    m_answer.append(bytes);
    if (m_answer.find("DTMF>") != std::string::npos || m_answer.size() >= kLongestAnswer)
        writeAnswer();
}

void TranscriptWriter::note(std::string_view text) {
    writeAnswer();
    write('#', text);
}

void TranscriptWriter::closed() {
    writeAnswer();
    write('#', "port closed");
    close();
}

void TranscriptWriter::writeAnswer() {
    if (m_answer.empty() || m_fd < 0)
        return;
    writeAll(m_fd, m_answerTime + " < " + escapedBytes(m_answer) + "\r\n");
    m_answer.clear();
}

void TranscriptWriter::write(char mark, std::string_view text) {
    if (m_fd < 0)
        return;
    std::string line = isoLocalTimeMs(std::chrono::system_clock::now());
    line += ' ';
    line += mark;
    line += ' ';
    line += text;
    line += "\r\n";
    writeAll(m_fd, line);
    const std::int64_t now = steadyMs();
    if (now - m_lastSyncMs >= kSyncSpacingMs) {
        ::fdatasync(m_fd);
        m_lastSyncMs = now;
    }
}

void TranscriptWriter::close() {
    if (m_fd < 0)
        return;
    ::fdatasync(m_fd);
    ::close(m_fd);
    m_fd = -1;
    m_answer.clear();
}

} // namespace merix
