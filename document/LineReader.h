#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// Reads a text file line by line with a fixed line capacity. A line longer than the
// capacity is cut there and the rest of it is dropped, so an over-long line never
// turns into extra lines. CR LF and LF both end a line; any other byte, NUL included,
// is part of the line.
class LineReader {
  public:
    static constexpr std::size_t kDefaultBufferSize = 64 * 1024;

    explicit LineReader(const std::string& path, std::size_t bufferSize = kDefaultBufferSize);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return m_fd >= 0; }

    // The next line without its line end, at most capacity characters; nullopt at the
    // end of the file (or when the file is not open). The view holds until the next call.
    std::optional<std::string_view> nextLine(std::size_t capacity);

    // True once a read has met the end of the file: after a last line without a line end,
    // or after the read that found nothing more.
    bool atEnd() const { return m_fd < 0 || m_atEnd; }

    // The same line as a string of its own.
    std::optional<std::string> readLine(std::size_t capacity);

    // A count as the files write it: blanks and line ends before it skipped, an optional
    // sign, digits (saturating at the int range); no digits reads as 0. Blanks and line
    // ends after it are skipped too, so the next line starts at the next non-blank.
    int readCount();

  private:
    bool fill();
    int peek();
    void skipSpace();
    std::string_view lineAcrossFills(std::size_t capacity);

    int m_fd = -1;
    bool m_atEnd = false; // the end of the file, or a read error, was met
    std::size_t m_bufferSize;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_begin = 0; // the unread bytes are [m_begin, m_end)
    std::size_t m_end = 0;
    std::string m_longLine; // a line that runs past the end of the buffer
};

} // namespace merix
