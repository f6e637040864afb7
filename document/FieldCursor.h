#pragma once

#include <cstring>
#include <optional>
#include <string_view>

namespace merix {

// Walks a line field by field. A field ends at the separator it is asked for; separators
// of that kind in a row count as one (so an empty field cannot be written), and once the
// line has ended there are no more fields.
class FieldCursor {
  public:
    explicit FieldCursor(std::string_view line) : m_rest(line) {}

    // Inline: every field of every catalog and document line comes through here.
    std::optional<std::string_view> next(char separator) {
        if (m_ended)
            return std::nullopt;
        std::size_t start = 0;
        while (start < m_rest.size() && m_rest[start] == separator)
            ++start;
        if (start == m_rest.size())
            return end(std::nullopt);
        m_rest.remove_prefix(start);
        const std::size_t length = find(separator);
        if (length == m_rest.size())
            return end(m_rest);
        const std::string_view field = m_rest.substr(0, length);
        m_rest.remove_prefix(length + 1);
        return field;
    }

    // All that follows the separator which ended the last field, or nullopt when the
    // last field ran to the end of the line.
    std::optional<std::string_view> rest() const {
        return m_ended ? std::nullopt : std::optional<std::string_view>(m_rest);
    }

  private:
    // Where the separator is in the rest of the line, or its size. Most fields are a few
    // characters: a plain loop finds their end before a call to memchr would have begun.
    std::size_t find(char separator) const {
        const std::size_t quick = m_rest.size() < kQuick ? m_rest.size() : kQuick;
        for (std::size_t i = 0; i < quick; ++i)
            if (m_rest[i] == separator)
                return i;
        if (quick == m_rest.size())
            return quick;
        const auto* at = static_cast<const char*>(
            std::memchr(m_rest.data() + quick, separator, m_rest.size() - quick));
        return at ? static_cast<std::size_t>(at - m_rest.data()) : m_rest.size();
    }

    static constexpr std::size_t kQuick = 16;
    std::optional<std::string_view> end(std::optional<std::string_view> last) {
        m_rest = {};
        m_ended = true;
        return last;
    }

    std::string_view m_rest;
    bool m_ended = false;
};

} // namespace merix
