#pragma once

#include <cstddef>
#include <string_view>

namespace merix {

// Room a converted text needs beyond its own bytes: the fast copy moves whole blocks.
inline constexpr std::size_t kCrLfSlack = 16;

// Copies text to out with a CR before every LF and returns how many bytes it wrote; out
// has room for 2 * text.size() + kCrLfSlack bytes.
std::size_t copyWithCrLf(std::string_view text, char* out);

// The same, a run between line ends at a time: where there is no SSE2, and the yardstick
// the fast copy is tested against.
std::size_t copyWithCrLfByRuns(std::string_view text, char* out);

} // namespace merix
