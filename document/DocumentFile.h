#pragma once

#include <string>

namespace merix {

class ConfigDocument;

// The document in the current format (version 1.5), CR LF line ends, "END" last.
std::string documentText(const ConfigDocument& doc);

// Writes the document text to path through a temporary file renamed over it.
// Returns an empty string on success, otherwise a message for the user.
std::string writeDocumentFile(const ConfigDocument& doc, const std::string& path);

// Overwrites the values of the entries whose keys the file names and sets the
// document version. Reports nothing; a missing or unreadable file changes nothing.
void readDocumentFile(ConfigDocument& doc, const std::string& path);

// True when the first line (up to 199 characters) holds ']' with "VER" before it.
bool isDocumentFile(const std::string& path);

} // namespace merix
