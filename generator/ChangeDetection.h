#pragma once

#include "generator/SectionChanges.h"

#include <istream>
#include <optional>
#include <string>

namespace merix {

// Walks a document file and a copy of it (both in the document file format) in
// parallel, section by section, and marks the entries whose lines differ without
// regard to ASCII letter case.
DocumentChanges compareDocuments(std::istream& document, std::istream& copy);

// nullopt when the document file cannot be opened; a copy that cannot be opened makes
// every entry changed.
std::optional<DocumentChanges> compareDocumentFiles(const std::string& documentPath,
                                                    const std::string& copyPath);

} // namespace merix
