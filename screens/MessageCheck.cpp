#include "screens/MessageCheck.h"

#include "document/Utf8Text.h"

#include <algorithm>

namespace merix {

std::optional<TextSpan> firstUnknownWord(std::string_view text, const CaseFreeNames& known) {
    for (auto word = nextBlankSeparatedWord(text, 0); word;
         word = nextBlankSeparatedWord(text, word->start + word->length)) {
        if (!known.contains(text.substr(word->start, word->length)))
            return word;
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
