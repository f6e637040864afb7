#include "screens/TypedText.h"

namespace merix {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool beginsWith(std::string_view line, std::string_view prefix) {
    if (line.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lowerAscii(line[i]) != lowerAscii(prefix[i]))
            return false;
    return true;
}

} // namespace

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
    if (prefix.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (beginsWith(lines[i], prefix))
            return i;
    return std::nullopt;
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pair)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD; // half a pair stands for nothing
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace merix
