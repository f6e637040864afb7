#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace merix {

// Reads a text file line by line with a fixed line capacity. A line longer than the
// capacity is cut there and the rest of it is dropped, so an over-long line never
// turns into extra lines. CR LF and LF both end a line.
class LineReader {
public:
    explicit LineReader(const std::string& path);

    bool isOpen() const { return m_file != nullptr; }

    // The next line without its line end, at most capacity characters; nullopt at the
    // end of the file (or when the file is not open).
    std::optional<std::string> readLine(std::size_t capacity);

    // A count as the files write it: blanks and line ends before it skipped, an optional
    // sign, digits (saturating at the int range); no digits reads as 0. Blanks and line
    // ends after it are skipped too, so the next line starts at the next non-blank.
    int readCount();

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    int get();
    void unget(int c);
    void skipSpace();

    std::unique_ptr<std::FILE, Closer> m_file;
};

} // namespace merix
