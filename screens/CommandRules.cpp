#include "screens/CommandRules.h"

namespace merix {

namespace {

// The controller's names are plain ASCII, and the stored name's eight bytes could only cut a
// longer character in half.
bool nameCannotHold(char16_t c) {
    return c <= u' ' || c > u'~' || c == u':' || c == u';';
}

bool isLowerCase(char16_t c) {
    return c >= u'a' && c <= u'z';
}

std::u16string raised(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        if (isLowerCase(c))
            c = static_cast<char16_t>(c - u'a' + u'A');
    return out;
}

} // namespace

NameCheck checkCommandName(std::u16string_view typed) {
    using O = NameCheck::Outcome;
    if (typed.size() > kCommandNameLength)
        return NameCheck{O::TooLong, std::u16string(typed.substr(0, kCommandNameLength)), 0};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (nameCannotHold(typed[i])) {
            std::u16string text(typed);
            text.erase(i, 1);
            return NameCheck{O::Fixed, std::move(text), i};
        }
        if (isLowerCase(typed[i]))
            return NameCheck{O::Fixed, raised(typed), i + 1};
    }
    return NameCheck{O::Accepted, std::u16string(typed), 0};
}

bool isSearchTooLong(std::u16string_view typed) {
    return typed.size() > kCommandNameLength;
}

std::string commandListLine(std::string_view name, std::string_view label) {
    std::string line(name);
    line += "\t - ";
    line += label;
    return line;
}

} // namespace merix
