#include "document/LineReader.h"

#include "document/CatalogFields.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace merix {

namespace {

bool isSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A whole line (without its LF) cut to capacity; the CR of a CR LF belongs to the line
// end, unless the cut already dropped it.
std::string_view cutLine(std::string_view line, std::size_t capacity) {
    if (line.size() > capacity)
        return line.substr(0, capacity);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

LineReader::LineReader(const std::string& path, std::size_t bufferSize)
    : m_bufferSize(std::max<std::size_t>(bufferSize, 1)) {
    // Without O_NONBLOCK a named pipe would hold the open until a writer came along.
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    // A device or a pipe may never end a line or the file; only regular files are text here.
    struct stat st {};
    if (m_fd >= 0 && (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_fd >= 0)
        m_buffer = std::make_unique_for_overwrite<char[]>(m_bufferSize);
}

LineReader::~LineReader() {
    if (m_fd >= 0)
        ::close(m_fd);
}

// Refills the buffer once it is used up; false at the end of the file or on a read error.
bool LineReader::fill() {
    while (m_fd >= 0 && !m_atEnd) {
        const ssize_t n = ::read(m_fd, m_buffer.get(), m_bufferSize);
        if (n > 0) {
            m_begin = 0;
            m_end = static_cast<std::size_t>(n);
            return true;
        }
        m_atEnd = n == 0 || errno != EINTR;
    }
    return false;
}

std::optional<std::string_view> LineReader::nextLine(std::size_t capacity) {
    if (m_begin == m_end && !fill())
        return std::nullopt;
    const char* start = m_buffer.get() + m_begin;
    if (const void* lf = std::memchr(start, '\n', m_end - m_begin)) {
        const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
        m_begin += length + 1;
        return cutLine(std::string_view(start, length), capacity);
    }
    return lineAcrossFills(capacity);
}

// The rare line that the end of the buffer splits: its pieces are gathered up to the
// capacity, and the rest is skipped a buffer at a time.
std::string_view LineReader::lineAcrossFills(std::size_t capacity) {
    m_longLine.clear();
    std::size_t seen = 0;
    bool endsInCr = false;
    for (;;) {
        const char* start = m_buffer.get() + m_begin;
        const void* lf = std::memchr(start, '\n', m_end - m_begin);
        const std::size_t run =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : m_end - m_begin;
        if (run > 0)
            endsInCr = start[run - 1] == '\r';
        if (m_longLine.size() < capacity)
            m_longLine.append(start, std::min(run, capacity - m_longLine.size()));
        seen += run;
        m_begin += run + (lf ? 1 : 0);
        if (lf || !fill())
            break;
    }
    if (endsInCr && seen == m_longLine.size())
        m_longLine.pop_back();
    return m_longLine;
}

std::optional<std::string> LineReader::readLine(std::size_t capacity) {
    const auto line = nextLine(capacity);
    return line ? std::optional<std::string>(std::in_place, *line) : std::nullopt;
}

int LineReader::peek() {
    if (m_begin == m_end && !fill())
        return -1;
    return static_cast<unsigned char>(m_buffer[m_begin]);
}

void LineReader::skipSpace() {
    while (isSpace(peek()))
        ++m_begin;
}

int LineReader::readCount() {
    skipSpace();
    std::string digits;
    if (const int c = peek(); c == '-' || c == '+') {
        digits.push_back(static_cast<char>(c));
        ++m_begin;
    }
    // Leading zeros add nothing, and a few digits beyond the int range are enough
    // for the value to saturate.
    bool significant = false;
    bool any = false;
    for (int c = peek(); c >= '0' && c <= '9'; c = peek()) {
        ++m_begin;
        any = true;
        significant = significant || c != '0';
        if (significant && digits.size() < 16)
            digits.push_back(static_cast<char>(c));
    }
    if (any && !significant)
        digits.push_back('0');
    skipSpace();
    return readInt(digits);
}

} // namespace merix
