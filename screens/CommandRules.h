#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace merix {

// The rules of the Commands screen's name and search fields, apart from the widgets.

// The controller takes command names of at most six characters.
inline constexpr std::size_t kCommandNameLength = 6;

// What the name field's rule makes of the text typed so far.
struct NameCheck {
    enum class Outcome {
        Accepted, // store the text as it stands
        TooLong,  // tell the user, put back the first six characters
        Fixed,    // put back the corrected text with the caret at `caret`
    };
    Outcome outcome = Outcome::Accepted;
    std::u16string text;
    std::size_t caret = 0;
};

// Over six characters is too long. Otherwise the first character the name cannot hold (a
// blank, ':', ';', anything outside printable ASCII) is removed, the caret where it stood;
// or, when a lower-case letter comes first, the whole name is raised to capitals with the
// caret one past that letter.
NameCheck checkCommandName(std::u16string_view typed);

// The search field takes what a name can be.
bool isSearchTooLong(std::u16string_view typed);

// A line of the commands list: the name, a tab, " - " and the label.
std::string commandListLine(std::string_view name, std::string_view label);

inline constexpr std::string_view kNameTooLongMessage =
    "The Command Name must be six characters or less.";
inline constexpr std::string_view kSearchTooLongMessage =
    "The Search Command Name must be six characters or less.";

} // namespace merix
