#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// The longest message text the controller's macro takes; the field holds no more, so what
// is stored is always what the user sees.
inline constexpr std::size_t kMessageTextCapacity = 1499;
// A DVR track description as it may be typed on the Messages screen.
inline constexpr std::size_t kDvrDescriptionCapacity = 199;
// What the interrupt command field takes before it judges the number.
inline constexpr std::size_t kCommandFieldCapacity = 9;

// The bytes of the UTF-8 character that starts at text[at]: what the screen removes or
// selects is always a whole character.
std::size_t characterLengthAt(std::string_view text, std::size_t at);

// The interrupt command field after a change: up to three digits are stored as typed.
struct CommandFieldEdit {
    enum class Kind { Store, TooLong, RemoveCharacter };
    Kind kind = Kind::Store;
    // The first character that is not a digit, in bytes (a UTF-8 character is removed whole).
    std::size_t position = 0;
    std::size_t length = 0;
};
CommandFieldEdit judgeCommandField(std::string_view text);

// Said when more than three digits were typed; the field is then emptied.
std::string commandTooLongMessage();

// A text without ':' and ';', which the document file cannot keep in a field: ':' would
// split it and ';' starts a comment. `firstRemoved` says where the caret goes back to.
struct SeparatorFreeText {
    std::string text;
    std::optional<std::size_t> firstRemoved;
};
SeparatorFreeText withoutDocumentSeparators(std::string_view text);

} // namespace merix
