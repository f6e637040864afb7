#include "document/Utf8Text.h"

namespace merix {

namespace {

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Four bytes make a character beyond the basic plane: two code units in a field.
std::size_t fieldUnits(std::string_view text, std::size_t at, std::size_t bytes) {
    return bytes == 4 && static_cast<unsigned char>(text[at]) >= 0xF0 ? 2 : 1;
}

} // namespace

std::size_t utf8CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t whole = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t end = at + 1;
    while (end < text.size() && end - at < whole && isContinuation(text[end]))
        ++end;
    return end - at;
}

std::size_t characterBoundary(std::string_view text, std::size_t at) {
    if (at >= text.size())
        return text.size();
    while (at > 0 && isContinuation(text[at]))
        --at;
    return at;
}

std::size_t fieldLength(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t bytes = utf8CharacterLength(text, at);
        units += fieldUnits(text, at, bytes);
        at += bytes;
    }
    return units;
}

std::string_view firstFieldCharacters(std::string_view text, std::size_t length) {
    std::size_t units = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t bytes = utf8CharacterLength(text, at);
        units += fieldUnits(text, at, bytes);
        if (units > length)
            break;
        at += bytes;
    }
    return text.substr(0, at);
}

} // namespace merix
