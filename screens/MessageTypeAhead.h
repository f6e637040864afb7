#pragma once

#include "screens/MessageKinds.h"
#include "screens/MessageVocabulary.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// Where the last handled change of the message text took place. Both positions are unset
// when the screen itself last set the text: the next completion then appends.
struct TextChange {
    std::optional<std::size_t> position;  // the first changed character; the text's last for
                                          // a change at the end
    std::optional<std::size_t> wordStart; // the last blank before it
    bool atEnd = false;

    bool recorded() const { return position || wordStart; }
};

// Compares the text after a change with the text before it.
TextChange findChange(std::string_view text, std::string_view previous);

// What a change of the message text does to the vocabulary list, and whether it stands.
struct TypeAhead {
    TextChange change;
    std::optional<std::size_t> selected; // the vocabulary line that now fits the text
    // The keystroke made the word being typed the beginning of no entry: the previous text
    // goes back with the caret at change.position.
    bool refused = false;
};
TypeAhead typeAhead(std::string_view text, std::string_view previous, Vocabulary vocabulary,
                    const VocabularyLines& lines);

// A double-click on a vocabulary entry: the word being typed completed by it, or the entry
// added at the end.
struct Completion {
    enum class Kind { Unchanged, Replaced, Appended };
    Kind kind = Kind::Unchanged;
    std::string text;
    std::size_t caret = 0; // after a replacement
};
// `entry` is the word, the CW symbol or the track name; a text that would grow beyond
// `capacity` (characters as the text field counts them) stays as it is rather than take half
// an entry.
Completion completeWith(std::string_view text, const TextChange& change, std::string_view entry,
                        Vocabulary vocabulary, std::size_t capacity);

} // namespace merix
