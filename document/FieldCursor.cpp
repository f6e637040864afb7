#include "document/FieldCursor.h"

namespace merix {

std::optional<std::string_view> FieldCursor::next(char separator)
{
    if (m_ended)
        return std::nullopt;
    const auto start = m_rest.find_first_not_of(separator);
    if (start == std::string_view::npos) {
        m_rest = {};
        m_ended = true;
        return std::nullopt;
    }
    m_rest.remove_prefix(start);
    const auto end = m_rest.find(separator);
    std::string_view field = m_rest.substr(0, end);
    if (end == std::string_view::npos) {
        m_rest = {};
        m_ended = true;
    } else {
        m_rest.remove_prefix(end + 1);
    }
    return field;
}

} // namespace merix
