#include "screens/EntryCatalog.h"

#include "screens/CatalogRows.h"

namespace merix {

EntryCatalog readEntryCatalog(const std::string& path, std::string_view fileName,
                              const FieldLayout& layout, std::size_t labelField,
                              std::size_t descriptionField, std::size_t entryCount) {
    CatalogRows catalog = readCatalogRows(path, fileName, layout, entryCount);
    EntryCatalog result;
    result.notice = std::move(catalog.notice);
    result.entries.reserve(catalog.rows.size());
    for (std::vector<std::string>& f : catalog.rows)
        result.entries.push_back(
            EntryText{std::move(f[labelField]), std::move(f[descriptionField])});
    return result;
}

} // namespace merix
