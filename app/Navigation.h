#pragma once

#include "document/ConfigDocument.h"

#include <optional>
#include <string>

namespace merix {

// Why a main screen button refuses, checked in order; nullopt when it may go on.
// The Messages screen needs its three lookup catalogs before it looks at the document.
std::optional<std::string> refusalToOpen(ScreenId screen, const ConfigDocument& doc);
std::optional<std::string> refusalToUpload(const ConfigDocument& doc);

// The screen's name as its button and the user know it.
std::string screenName(ScreenId screen);

} // namespace merix
