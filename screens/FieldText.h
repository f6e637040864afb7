#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// What one change of a text field comes to. The widget only applies it: the message first,
// then the text when it differs from what the field holds (a change of its own, checked
// again), then the caret. Texts are the field's UTF-16 code units, so carets and lengths
// count what the user sees in the field.
struct FieldEdit {
    std::u16string text; // the field's text afterwards
    int caret = -1;      // where the caret goes after a correction; -1 leaves it to the field
    std::string message; // for a message box; empty for none
};

// ':' separates the fields of a document line and ';' starts a comment when the document is
// read; neither may enter a stored text.
inline constexpr std::u16string_view kSeparatorCharacters = u":;";

// A field left as it is.
FieldEdit unchanged(std::u16string_view text);

// The first of `characters` removed, the caret where it stood; the text as it is without one.
FieldEdit removeFirstOf(std::u16string_view text, std::u16string_view characters);

// The first `length` code units, never ending inside a character outside the basic plane.
std::u16string cutToLength(std::u16string_view text, std::size_t length);

// The text with the whole character at `at` removed (two code units outside the basic plane).
std::u16string removeCharacterAt(std::u16string_view text, std::size_t at);
std::size_t characterLengthAt(std::u16string_view text, std::size_t at);

bool isDigit(char16_t c);
std::optional<std::size_t> firstNonDigitAt(std::u16string_view text);

// A field of digits read as a number: its first `capacity` characters, the leading digits.
long numberIn(std::u16string_view text, std::size_t capacity = 9);

// A field's text as the store and the message boxes take it (UTF-8).
std::string toUtf8(std::u16string_view text);

// The entry of a drop-down list that begins with `text`, without regard to the case of
// ASCII letters; the first such entry, or -1 for an empty text or none.
int entryBeginningWith(const std::vector<std::string>& entries, std::string_view text);

} // namespace merix
