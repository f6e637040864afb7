#pragma once

#include "screens/FieldText.h" // toUtf8

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// Rules for what is typed into the screens' text fields, apart from the widgets. Typed texts
// come as UTF-16 like the widgets hold them, so an index is also a caret position.

// ':' separates the fields of a document line, ';' starts a comment when the document is read,
// and a line break would end the entry's line: the rest of the entry would be lost at the next
// Open. None of them may enter a stored text.
bool breaksDocumentLine(char16_t c);

// Where the first such character stands, if anywhere.
std::optional<std::size_t> firstLineBreaker(std::u16string_view text);

// A field corrected by a rule: its new text and where the caret goes.
struct FieldFix {
    std::u16string text;
    std::size_t caret = 0;
};

// The text without its first line breaker, the caret where it stood; nothing when clean.
std::optional<FieldFix> withoutFirstLineBreaker(std::u16string_view text);

// The first of `lines` that begins with `prefix`, letters compared without regard to case.
// An empty prefix finds nothing: emptying a search field leaves the selection where it is.
std::optional<std::size_t> firstBeginningWith(const std::vector<std::string>& lines,
                                              std::string_view prefix);

} // namespace merix
