// LineReader against a model that takes the file one byte at a time, the way the reader
// once worked: every line, every cut and every count must come out the same whatever the
// buffer size, so the rules hold where a line end, a CR or a cut meets a buffer boundary.
// The first two bytes choose the buffer size and the line capacity; each further byte of
// a small header says whether the next read is a line or a count.
#include "document/CatalogFields.h"
#include "document/LineReader.h"
#include "fuzz/FuzzSupport.h"

#include <cstdint>
#include <optional>
#include <string>

using namespace merix;

namespace {

// The bytes read one at a time.
class ByteModel {
  public:
    explicit ByteModel(std::string_view bytes) : m_bytes(bytes) {}

    std::optional<std::string> line(std::size_t capacity) {
        if (m_at == m_bytes.size())
            return std::nullopt;
        std::string line;
        std::size_t seen = 0;
        int last = -1;
        for (; m_at < m_bytes.size() && m_bytes[m_at] != '\n'; ++m_at) {
            ++seen;
            last = static_cast<unsigned char>(m_bytes[m_at]);
            if (line.size() < capacity)
                line.push_back(m_bytes[m_at]);
        }
        if (m_at < m_bytes.size())
            ++m_at; // the LF
        if (last == '\r' && seen == line.size())
            line.pop_back();
        return line;
    }

    int count() {
        skipSpace();
        std::string digits;
        if (m_at < m_bytes.size() && (m_bytes[m_at] == '-' || m_bytes[m_at] == '+'))
            digits.push_back(m_bytes[m_at++]);
        bool significant = false;
        bool any = false;
        for (; m_at < m_bytes.size() && m_bytes[m_at] >= '0' && m_bytes[m_at] <= '9'; ++m_at) {
            any = true;
            significant = significant || m_bytes[m_at] != '0';
            if (significant && digits.size() < 16)
                digits.push_back(m_bytes[m_at]);
        }
        if (any && !significant)
            digits.push_back('0');
        skipSpace();
        return readInt(digits);
    }

    bool atEnd() const { return m_at == m_bytes.size(); }

  private:
    void skipSpace() {
        while (m_at < m_bytes.size() &&
               std::string_view(" \t\n\r\v\f").find(m_bytes[m_at]) != std::string_view::npos)
            ++m_at;
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
};

constexpr std::size_t kHeader = 8;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 + kHeader)
        return 0;
    const std::size_t bufferSize = 1 + data[0] % 64;
    // Small capacities meet the cut often; 255 stands for a line of any length.
    const std::size_t capacity = data[1] == 255 ? std::string::npos : data[1] % 32;
    const std::string_view content = fuzz::bytes(data + 2 + kHeader, size - 2 - kHeader);

    LineReader reader(fuzz::writeScratchFile("lines.txt", content), bufferSize);
    if (!reader.isOpen())
        fuzz::fail("a file written a moment ago did not open");
    ByteModel model(content);
    for (std::size_t step = 0;; ++step) {
        // Counts only in the first steps, as the files have them; lines after.
        if (step < kHeader && data[2 + step] % 4 == 0) {
            if (reader.readCount() != model.count())
                fuzz::fail("a count differs from the byte model");
            continue;
        }
        const auto line = reader.nextLine(capacity);
        const auto expected = model.line(capacity);
        if (line.has_value() != expected.has_value() || (line && *line != *expected))
            fuzz::fail("a line differs from the byte model");
        if (!line)
            break;
        if (line->size() > capacity)
            fuzz::fail("a line is longer than its capacity");
    }
    if (!reader.atEnd() || !model.atEnd())
        fuzz::fail("the reader did not end with the file");
    return 0;
}
