#pragma once

#include "cli/Args.h"

#include <optional>
#include <string>

namespace merix {
class ConfigDocument;
}

namespace merix::cli {

// Points the document at the folder of --catalogs (the current folder without it).
// Returns a message for the user when the folder cannot serve as the startup directory.
std::optional<std::string> useCatalogFolder(ConfigDocument& doc, const Args& args);

} // namespace merix::cli
