#pragma once

#include "screens/MessageVocabulary.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace merix {

// The part of a message text the check found outside the vocabulary, in bytes of the text.
struct TextSpan {
    std::size_t start = 0;
    std::size_t length = 0;

    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// Words between blanks (runs of blanks count as one) that must each be a known name: the
// word list for voice messages, the track names for DVR messages. The first word that is
// not, where it stands in the text.
std::optional<TextSpan> firstUnknownWord(std::string_view text, const CaseFreeNames& known);

// A CW text: named symbols (upper case, with their leading blank), blanks, and characters
// that are one-character entries of the CW list. The first character that is none of these.
std::optional<TextSpan> firstUnknownCwCharacter(std::string_view text,
                                                const CaseFreeNames& oneCharacterEntries);

} // namespace merix
