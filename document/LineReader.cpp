#include "document/LineReader.h"

#include "document/CatalogFields.h"

#include <sys/stat.h>

namespace merix {

namespace {

bool isSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

LineReader::LineReader(const std::string& path) : m_file(std::fopen(path.c_str(), "rb"))
{
    // A device or a pipe may never end a line or the file; only regular files are text here.
    struct stat st {};
    if (m_file && (::fstat(::fileno(m_file.get()), &st) != 0 || !S_ISREG(st.st_mode)))
        m_file.reset();
}

int LineReader::get() { return m_file ? getc_unlocked(m_file.get()) : EOF; }

void LineReader::unget(int c)
{
    if (c != EOF && m_file)
        std::ungetc(c, m_file.get());
}

std::optional<std::string> LineReader::readLine(std::size_t capacity)
{
    int c = get();
    if (c == EOF)
        return std::nullopt;
    std::string line;
    std::size_t seen = 0;
    int last = EOF;
    for (; c != EOF && c != '\n'; c = get()) {
        ++seen;
        last = c;
        if (line.size() < capacity)
            line.push_back(static_cast<char>(c));
    }
    // The CR of a CR LF belongs to the line end, unless the cut already dropped it.
    if (last == '\r' && seen == line.size())
        line.pop_back();
    return line;
}

void LineReader::skipSpace()
{
    int c = get();
    while (isSpace(c))
        c = get();
    unget(c);
}

int LineReader::readCount()
{
    skipSpace();
    std::string digits;
    int c = get();
    if (c == '-' || c == '+') {
        digits.push_back(static_cast<char>(c));
        c = get();
    }
    // Leading zeros add nothing, and a few digits beyond the int range are enough
    // for the value to saturate.
    bool significant = false;
    bool any = false;
    for (; c >= '0' && c <= '9'; c = get()) {
        any = true;
        significant = significant || c != '0';
        if (significant && digits.size() < 16)
            digits.push_back(static_cast<char>(c));
    }
    if (any && !significant)
        digits.push_back('0');
    unget(c);
    skipSpace();
    return readInt(digits);
}

} // namespace merix
