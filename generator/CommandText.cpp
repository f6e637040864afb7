#include "generator/CommandText.h"

#include "generator/LineExplainer.h"

#include <charconv>

namespace merix {

CommandText& CommandText::operator<<(int value) { return *this << static_cast<long>(value); }

CommandText& CommandText::operator<<(long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
}

void CommandText::tellExplainer(std::string_view s) {
    m_explainer->append(s);
}

void CommandText::flush()
{
    if (m_sink && !m_buffer.empty()) {
        m_sink(m_buffer);
        m_buffer.clear();
    }
}

} // namespace merix
