#pragma once

#include <optional>
#include <string_view>

namespace merix {

// Sunday 1 to Saturday 7, by the first three letters of the name without regard to
// ASCII letter case; nullopt for a name that is not a weekday.
std::optional<int> weekdayNumber(std::string_view name);

// January 1 to December 12, the same way.
std::optional<int> monthNumber(std::string_view name);

} // namespace merix
