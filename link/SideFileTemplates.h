#pragma once

#include <string>
#include <string_view>

namespace merix {

// The texts new command files start from, CR LF after every line.
std::string_view beforeFileTemplate();
std::string_view afterFileTemplate();
std::string_view otherUploadFileTemplate();

// Writes the template to path unless a file of that name exists already.
// True when the file exists afterwards.
bool createFileFromTemplate(const std::string& path, std::string_view templateText);

} // namespace merix
