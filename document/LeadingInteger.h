#pragma once

#include <string_view>

namespace merix {

// The leading decimal integer of a text: blanks, an optional sign, digits; 0 without
// digits. Saturates instead of overflowing.
long leadingInteger(std::string_view text);

} // namespace merix
