#include "screens/MessageCheck.h"

#include "document/Utf8Text.h"

#include <algorithm>

namespace merix {

std::optional<TextSpan> firstUnknownWord(std::string_view text, const CaseFreeNames& known) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', i), text.size());
        if (!known.contains(text.substr(i, end - i)))
            return TextSpan{i, end - i};
        i = end;
    }
    return std::nullopt;
}

std::optional<TextSpan> firstUnknownCwCharacter(std::string_view text,
                                                const CaseFreeNames& oneCharacterEntries) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            const std::size_t symbol = namedCwSymbolAt(text, i);
            i += symbol ? symbol : 1;
            continue;
        }
        // The character whole, so a selection never cuts one.
        const std::size_t length = utf8CharacterLength(text, i);
        if (!oneCharacterEntries.contains(text.substr(i, length)))
            return TextSpan{i, length};
        i += length;
    }
    return std::nullopt;
}

} // namespace merix
