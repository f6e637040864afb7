#pragma once

#include "screens/FieldText.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace merix {

// The longest message text the controller's macro takes; the field holds no more, so what
// is stored is always what the user sees.
inline constexpr std::size_t kMessageTextCapacity = 1499;
// A DVR track description as it may be typed on the Messages screen.
inline constexpr std::size_t kDvrDescriptionCapacity = 199;
// What the interrupt command field takes before it judges the number.
inline constexpr std::size_t kCommandFieldCapacity = 9;

// The interrupt command field after a change: up to three digits stand as typed; a character
// that is not a digit goes at once; more digits are said and the field emptied.
FieldEdit commandFieldEdit(std::u16string_view text);

std::string commandTooLongMessage();

// The DVR description field after a change: ':' and ';' go as typed, without a message.
FieldEdit dvrDescriptionEdit(std::u16string_view text);

} // namespace merix
