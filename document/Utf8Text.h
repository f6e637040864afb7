#pragma once

#include <cstddef>
#include <string_view>

namespace merix {

// The store keeps texts as UTF-8 bytes; a text field counts UTF-16 code units, so a character
// beyond the basic plane counts two there. A limit a field enforces is measured the same way
// here, and no cut ever leaves half a character behind.

// The bytes of the character that starts at text[at] (a stray continuation byte stands alone).
std::size_t utf8CharacterLength(std::string_view text, std::size_t at);

// The start of the character that holds text[at], so a cut of a byte capacity there keeps
// whole characters only; the text's size for a place beyond it.
std::size_t characterBoundary(std::string_view text, std::size_t at);

// A UTF-8 text's length as a text field counts it.
std::size_t fieldLength(std::string_view text);

// The longest beginning of a UTF-8 text that a text field counts as at most `length`.
std::string_view firstFieldCharacters(std::string_view text, std::size_t length);

} // namespace merix
