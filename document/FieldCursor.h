#pragma once

#include <optional>
#include <string_view>

namespace merix {

// Walks a line field by field. A field ends at the separator it is asked for; separators
// of that kind in a row count as one (so an empty field cannot be written), and once the
// line has ended there are no more fields.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view line) : m_rest(line) {}

    std::optional<std::string_view> next(char separator);

    // All that follows the separator which ended the last field, or nullopt when the
    // last field ran to the end of the line.
    std::optional<std::string_view> rest() const
    {
        return m_ended ? std::nullopt : std::optional<std::string_view>(m_rest);
    }

private:
    std::string_view m_rest;
    bool m_ended = false;
};

} // namespace merix
