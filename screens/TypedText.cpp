#include "screens/TypedText.h"

namespace merix {

bool breaksDocumentLine(char16_t c) {
    return c == u':' || c == u';' || c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029';
}

std::optional<std::size_t> firstLineBreaker(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (breaksDocumentLine(text[i]))
            return i;
    return std::nullopt;
}

std::optional<FieldFix> withoutFirstLineBreaker(std::u16string_view text) {
    const auto at = firstLineBreaker(text);
    if (!at)
        return std::nullopt;
    FieldFix fix{std::u16string(text), *at};
    fix.text.erase(*at, 1);
    return fix;
}

std::optional<std::size_t> firstBeginningWith(const std::vector<std::string>& lines,
                                              std::string_view prefix) {
    const int found = entryBeginningWith(lines, prefix);
    return found < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(found));
}

} // namespace merix
