#pragma once

#include "document/CatalogFields.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// A catalog read again by a screen for what the document does not keep (labels,
// descriptions, limits): one row of cut fields per entry of the document's table.
struct CatalogRows {
    std::vector<std::vector<std::string>> rows;
    // Empty, or what the user is told when the catalog could not be read or holds fewer
    // entries than the document: the missing rows are there, with empty fields.
    std::string notice;
};

// Reads `fileName` in the startup directory `path` is built from, cuts each entry line with
// `layout`, and gives exactly `entryCount` rows, so no entry of the document is ever lost
// to a catalog edited since the document was loaded.
CatalogRows readCatalogRows(const std::string& path, std::string_view fileName,
                            const FieldLayout& layout, std::size_t entryCount,
                            std::size_t lineCapacity = kScreenLineCapacity);

// The notices, shared by the screens that read a catalog of another format themselves.
std::string unreadableCatalogNotice(std::string_view fileName);
// For a file that gives no names and descriptions of entries (a lookup list, a description):
// `consequence` says what the screen shows instead, e.g. "the Access Mode list is empty".
std::string unreadableFileNotice(std::string_view fileName, std::string_view consequence);
std::string shortCatalogNotice(std::string_view fileName, std::size_t found, std::size_t expected);

// The first `capacity` characters of a field, as a screen shows it.
std::string cut(const std::string& field, std::size_t capacity);

} // namespace merix
