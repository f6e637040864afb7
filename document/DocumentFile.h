#pragma once

#include <string>

namespace merix {

class BusyIndicator;
class ConfigDocument;

// The version this program writes, and the header line that carries it.
inline constexpr double kDocumentVersion = 1.5;

// The document in the current format (version 1.5), CR LF line ends, "END" last.
std::string documentText(const ConfigDocument& doc);

// Writes the document text to path through a temporary file renamed over it; the wait
// cursor shows meanwhile. Macro parameters are cut at their first ':' in the store as in
// the file. Returns an empty string on success, otherwise a message for the user (the
// previous file is then left as it was).
std::string writeDocumentFile(ConfigDocument& doc, const std::string& path,
                              BusyIndicator* busy = nullptr);

// Overwrites the values of the entries whose keys the file names and sets the
// document version. Reports nothing; a missing or unreadable file changes nothing
// and returns false.
bool readDocumentFile(ConfigDocument& doc, const std::string& path);

// True when the first line (up to 199 characters) holds ']' with "VER" before it;
// false for a file that cannot be read.
bool isDocumentFile(const std::string& path);

} // namespace merix
