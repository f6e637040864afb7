#pragma once

#include <string>
#include <string_view>

namespace merix {

// Writes the whole file to a temporary file in the same folder and renames it over
// the target, so a failed write never destroys the previous file.
// Returns an empty string on success, otherwise a message for the user.
std::string writeFileAtomically(const std::string& path, std::string_view content);

} // namespace merix
