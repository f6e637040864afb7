#include "generator/CommandText.h"

#include "generator/LineExplainer.h"

#include <charconv>

namespace merix {

CommandText& CommandText::operator<<(int value) {
    return *this << static_cast<long>(value);
}

CommandText& CommandText::operator<<(long value) {
    if (value >= 0 && value < 10) // ports, flags and levels: nearly every number written
        return *this << static_cast<char>('0' + value);
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
}

void CommandText::tellExplainer(std::string_view s) {
    m_explainer->append(s);
}

void CommandText::append(std::string_view s) {
    if (!m_sink) {
        m_buffer.append(s);
        return;
    }
    flush();
    if (s.size() >= kChunk) {
        m_sink(s);
        return;
    }
    std::char_traits<char>::copy(m_buffer.data(), s.data(), s.size());
    m_room -= s.size();
}

void CommandText::flush() {
    if (m_sink && m_room < kChunk) {
        m_sink(std::string_view(m_buffer.data(), kChunk - m_room));
        m_room = kChunk;
    }
}

} // namespace merix
