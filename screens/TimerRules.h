#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// The rules of the Timers screen's length field, apart from the widgets.

// The field's value: its first 14 characters read as a decimal number (leading blanks, an
// optional sign, digits up to the first non-digit; none reads as 0).
long long readLengthField(std::string_view text);

// A length the current timer accepts: 0 .. maximum.
bool isAcceptableLength(long long value, long long maximum);

// Where the first character that is not a digit stands, if any.
std::optional<std::size_t> firstNonDigit(std::string_view text);

std::string lengthOutOfRangeMessage(long long entered, unsigned stored);
// The message when the selection moves away from a bad value (no full stop) and on OK (with).
std::string lengthResetMessage(bool withFullStop);

} // namespace merix
