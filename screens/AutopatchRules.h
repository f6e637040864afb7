#pragma once

#include "screens/FieldText.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// The rules of the Autopatch and Paging screens' fields, apart from the widgets.

inline constexpr std::size_t kAutodialDigits = 18;
inline constexpr std::size_t kDownCodeCapacity = 3;

inline constexpr const char* kAutodialTooLong =
    "The Autodial Number must be eighteen characters or less.";
inline constexpr const char* kDownCodeTooLong =
    "The Autopatch Down Code must be three characters or less.";

// The autodial number holds the DTMF characters 0-9, *, # and A-D, with "-", "(", ")" and
// blanks as separators that do not count. Past eighteen counted characters the last character
// goes, with a message; the first character outside the set goes, with a message naming it and
// the caret one past where it stood; a lower-case a to d becomes a capital, the caret after it.
FieldEdit checkAutodialNumber(std::u16string_view text);
std::string invalidAutodialCharacterMessage(std::string_view character);

// The down code: more than three characters are cut with a message; a blank, ':' or ';' is
// removed without one.
FieldEdit checkDownCode(std::u16string_view text);

// The drop-down lists, in the order shown; the stored texts are these wordings.
const std::vector<std::string>& readbackTypes();
const std::vector<std::string>& privacyTypes();
const std::vector<std::string>& pagerTypes();

} // namespace merix
