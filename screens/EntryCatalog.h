#pragma once

#include "document/CatalogFields.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// What a list screen shows of each entry beside its stored values: the label of its list line
// and its description, read again from the section's catalog each time the screen opens.
struct EntryText {
    std::string label;
    std::string description;
};

struct EntryCatalog {
    std::vector<EntryText> entries; // one per entry of the document's table
    std::string notice;             // see CatalogRows
};

// The label and description fields of `fileName` (commands.cfg, macros.cfg, io.cfg) cut with
// `layout`, for the document's `entryCount` entries.
EntryCatalog readEntryCatalog(const std::string& path, std::string_view fileName,
                              const FieldLayout& layout, std::size_t labelField,
                              std::size_t descriptionField, std::size_t entryCount);

} // namespace merix
