#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

namespace merix {

// A stretch of a text, in bytes.
struct TextSpan {
    std::size_t start = 0;
    std::size_t length = 0;

    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// The first word at or after `from` of a message text, whose words a run of blanks of any
// length separates; none when only blanks are left. The generator and the Messages screen
// must split alike, or the screen would pass a text the controller is sent differently.
inline std::optional<TextSpan> nextBlankSeparatedWord(std::string_view text, std::size_t from) {
    const std::size_t start = text.find_first_not_of(' ', from);
    if (start == std::string_view::npos)
        return std::nullopt;
    const std::size_t end = std::min(text.find(' ', start), text.size());
    return TextSpan{start, end - start};
}

} // namespace merix
