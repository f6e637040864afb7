#pragma once

#include <string>
#include <string_view>

namespace merix {

// The port drop-down of the Tones and Misc Setup screens: "Port 1" to "Port 8".
std::string portChoiceText(int port);

// The port a chosen text names: "Port 1" to "Port 7" in any letter case, anything else 8.
int portFromChoiceText(std::string_view text);

} // namespace merix
