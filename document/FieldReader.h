#pragma once

#include "document/CatalogFields.h"
#include "document/DocumentText.h"
#include "document/FieldCursor.h"

#include <cstdint>
#include <type_traits>
#include <string_view>

namespace merix {

// Reads the fields of a document line into their places. Fields are optional from the
// right: once the line has ended, every further call leaves its target as it was.
class FieldReader {
public:
    explicit FieldReader(std::string_view fields) : m_cursor(fields) {}

    std::optional<std::string_view> next(char separator) { return m_cursor.next(separator); }
    std::optional<std::string_view> rest() const { return m_cursor.rest(); }

    FieldReader& number(char separator, int& value)
    {
        if (auto f = next(separator))
            value = readInt(*f);
        return *this;
    }
    // 16-bit fields take the number modulo their range.
    template <typename Narrow>
        requires std::is_same_v<Narrow, std::uint16_t> || std::is_same_v<Narrow, std::int16_t>
    FieldReader& number(char separator, Narrow& value)
    {
        if (auto f = next(separator))
            value = static_cast<Narrow>(readInt(*f));
        return *this;
    }
    template <typename Text>
    FieldReader& text(char separator, Text& value)
    {
        if (auto f = next(separator))
            value = *f;
        return *this;
    }
    // A text written with the blank rule.
    template <typename Text>
    FieldReader& blankText(char separator, Text& value)
    {
        if (auto f = next(separator))
            value = unblank(*f);
        return *this;
    }

private:
    FieldCursor m_cursor;
};

// The key of an entry line (the text before the first separator) and the fields after it.
struct KeyedLine {
    std::string_view key;
    std::string_view fields;
    bool separated = false; // false when the line holds no separator at all
};
inline KeyedLine splitKey(std::string_view line, char separator)
{
    const auto at = line.find(separator);
    if (at == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, at), line.substr(at + 1), true};
}

} // namespace merix
