#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace merix {

// Cuts a CW message text into the symbols the CW table knows: each character is a
// symbol, except that a blank starting one of the named symbols (" SPACE", " PAUSE",
// " AR", " INTERNAL_DVR_1", " INTERNAL_DVR_2", " INTERNAL_DVR_3") takes the whole name,
// leading blank included; any other blank is no symbol at all.
std::vector<std::string_view> cwTokens(std::string_view text);

} // namespace merix
