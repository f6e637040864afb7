#pragma once

#include <string>
#include <string_view>

namespace merix {

// The document path with the text after its last '.' replaced by the extension
// ("REF", "INI", "SER", "CMD"); ".ext" appended when the name has no '.'.
std::string sideFilePath(std::string_view documentPath, std::string_view extension);

inline std::string referenceCopyPath(std::string_view doc) { return sideFilePath(doc, "REF"); }
inline std::string initCopyPath(std::string_view doc) { return sideFilePath(doc, "INI"); }
inline std::string settingsFilePath(std::string_view doc) { return sideFilePath(doc, "SER"); }
inline std::string commandFilePath(std::string_view doc) { return sideFilePath(doc, "CMD"); }

} // namespace merix
