#pragma once

#include <string>

namespace merix {
class ConfigDocument;
class Prompter;
}

namespace merix::cli {

// Opens a document as the editor does: the file check, the catalogs, then the file's
// values; creates no copies. Failures are told through the prompter.
bool openDocument(ConfigDocument& doc, const std::string& path, Prompter& prompter);

} // namespace merix::cli
