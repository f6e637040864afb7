#pragma once

#include <cstddef>
#include <string>

namespace merix {

class ConfigDocument;

// How many entry lines of a document file name keys that the catalogs behind doc do not
// hold (a document made with other catalogs): reading leaves those lines unused. Walks
// the file as the reader does, by the version doc took from it; 0 for a missing file.
std::size_t countUnknownEntries(const ConfigDocument& doc, const std::string& path);

} // namespace merix
