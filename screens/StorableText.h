#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace merix {

// Where the first character stands that a text typed into a screen must not hold, if any:
// ':' separates the fields of a document line and ';' starts a comment when the file is read,
// so either could cut the value short on the next Open.
std::optional<std::size_t> firstUnstorable(std::string_view text);

} // namespace merix
