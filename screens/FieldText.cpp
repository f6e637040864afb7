#include "screens/FieldText.h"

#include "document/LeadingInteger.h"

#include <algorithm>

namespace merix {

namespace {

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void appendUtf8(std::string& out, char32_t c) {
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

} // namespace

FieldEdit unchanged(std::u16string_view text) {
    return FieldEdit{std::u16string(text), -1, {}};
}

FieldEdit removeFirstOf(std::u16string_view text, std::u16string_view characters) {
    const std::size_t at = text.find_first_of(characters);
    if (at == std::u16string_view::npos)
        return unchanged(text);
    return FieldEdit{removeCharacterAt(text, at), static_cast<int>(at), {}};
}

std::size_t characterLengthAt(std::u16string_view text, std::size_t at) {
    return isHighSurrogate(text[at]) && at + 1 < text.size() && isLowSurrogate(text[at + 1]) ? 2
                                                                                             : 1;
}

std::u16string cutToLength(std::u16string_view text, std::size_t length) {
    if (text.size() <= length)
        return std::u16string(text);
    if (length > 0 && isHighSurrogate(text[length - 1]) && isLowSurrogate(text[length]))
        --length;
    return std::u16string(text.substr(0, length));
}

std::u16string removeCharacterAt(std::u16string_view text, std::size_t at) {
    std::u16string out(text.substr(0, at));
    out += text.substr(at + characterLengthAt(text, at));
    return out;
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::optional<std::size_t> firstNonDigitAt(std::u16string_view text) {
    const auto bad = std::find_if(text.begin(), text.end(), [](char16_t c) { return !isDigit(c); });
    if (bad == text.end())
        return std::nullopt;
    return static_cast<std::size_t>(bad - text.begin());
}

long numberIn(std::u16string_view text, std::size_t capacity) {
    std::string digits;
    for (char16_t c : text.substr(0, std::min(capacity, text.size()))) {
        if (!isDigit(c))
            break;
        digits += static_cast<char>(c);
    }
    return leadingInteger(digits);
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

int entryBeginningWith(const std::vector<std::string>& entries, std::string_view text) {
    if (text.empty())
        return -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        if (entry.size() >= text.size() &&
            std::equal(text.begin(), text.end(), entry.begin(),
                       [](char a, char b) { return lowerAscii(a) == lowerAscii(b); }))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace merix
