#include "document/LineReader.h"
#include "CatalogSet.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace merix;
using merix::test::TempDir;

namespace {

using Lines = std::vector<std::string>;

// Buffers small enough to put every line end, CR and cut on a buffer boundary somewhere,
// and the size the program reads with.
constexpr std::size_t kBufferSizes[] = {1, 2, 3, 4, 5, 7, 16, LineReader::kDefaultBufferSize};

Lines readAll(const std::string& path, std::size_t bufferSize, std::size_t capacity) {
    LineReader reader(path, bufferSize);
    Lines lines;
    while (const auto line = reader.nextLine(capacity))
        lines.emplace_back(*line);
    return lines;
}

struct LineCase {
    const char* rule;
    std::string bytes;
    std::size_t capacity;
    Lines expected;
};

const LineCase kLineCases[] = {
    {"LF and CR LF both end a line", "one\ntwo\r\nthree", 100, {"one", "two", "three"}},
    {"empty lines count", "\n\r\n\nx\n", 100, {"", "", "", "x"}},
    {"an empty file has no line", "", 100, {}},
    {"a CR inside a line stays", "a\rb\r\n", 100, {"a\rb"}},
    {"a CR at the end of the file ends the line", "abc\r", 100, {"abc"}},
    {"a lone CR line is empty", "\r\n\r", 100, {"", ""}},
    {"a long line is cut, its rest dropped", "abcdefgh\nij\n", 3, {"abc", "ij"}},
    {"a cut right before the CR keeps no CR", "abc\r\nd\n", 3, {"abc", "d"}},
    {"a line that fits with its CR loses the CR", "abc\r\nd", 4, {"abc", "d"}},
    {"a cut line keeps a CR inside the capacity", "ab\rcd\r\n", 3, {"ab\r"}},
    {"capacity 0 gives empty lines", "abc\r\n\nd", 0, {"", "", ""}},
    {"NUL and high bytes are characters",
     std::string("a\0b\n\xff\xfe\x80\r\n\0", 10),
     100,
     {std::string("a\0b", 3), "\xff\xfe\x80", std::string(1, '\0')}},
    {"a line many buffers long",
     std::string(100, 'x') + "\r\nend",
     1000,
     {std::string(100, 'x'), "end"}},
    {"a line many buffers long, cut",
     std::string(100, 'x') + "\r\nend",
     10,
     {std::string(10, 'x'), "end"}},
};

} // namespace

TEST(LineReader, LineEndsCutsAndBytesOnEveryBufferBoundary) {
    TempDir dir;
    const std::string path = dir.file("lines.txt");
    for (const LineCase& c : kLineCases) {
        dir.write("lines.txt", c.bytes);
        for (std::size_t bufferSize : kBufferSizes)
            EXPECT_EQ(readAll(path, bufferSize, c.capacity), c.expected)
                << c.rule << " (buffer of " << bufferSize << ")";
    }
}

namespace {

struct CountCase {
    const char* rule;
    std::string bytes;
    int count;
    std::optional<std::string> nextLine;
};

const CountCase kCountCases[] = {
    {"blanks and line ends around it are skipped", " \t 42  \r\n\r\n  next\n", 42, "next"},
    {"a sign", "-7\nx", -7, "x"},
    {"leading zeros and text after the digits", "+0003x\n", 3, "x"},
    {"no digits reads 0 and leaves the text", "abc\n", 0, "abc"},
    {"zeros alone", "000\n", 0, std::nullopt},
    {"an empty file", "", 0, std::nullopt},
    {"beyond the int range saturates", "99999999999999999999\nz", INT_MAX, "z"},
    {"below the int range saturates", "-000099999999999999999999", INT_MIN, std::nullopt},
};

} // namespace

TEST(LineReader, CountsOnEveryBufferBoundary) {
    TempDir dir;
    const std::string path = dir.file("count.txt");
    for (const CountCase& c : kCountCases) {
        dir.write("count.txt", c.bytes);
        for (std::size_t bufferSize : kBufferSizes) {
            LineReader reader(path, bufferSize);
            EXPECT_EQ(reader.readCount(), c.count) << c.rule << " (buffer of " << bufferSize << ")";
            EXPECT_EQ(reader.readLine(100), c.nextLine)
                << c.rule << " (buffer of " << bufferSize << ")";
        }
    }
}

// A named pipe picked by mistake must neither hang the open nor be read.
TEST(LineReader, ANamedPipeIsNotOpened) {
    TempDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(LineReader(fifo).isOpen());
    EXPECT_FALSE(LineReader(dir.file("missing")).isOpen());
}
