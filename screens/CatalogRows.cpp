#include "screens/CatalogRows.h"

namespace merix {

CatalogRows readCatalogRows(const std::string& path, std::string_view fileName,
                            const FieldLayout& layout, std::size_t entryCount,
                            std::size_t lineCapacity) {
    CatalogRows result;
    const CatalogLines catalog = readCatalogEntryLines(path, lineCapacity);
    const std::size_t found = catalog.linesRead;
    const std::size_t emptyFields = layout.endsAtColon.size() + (layout.restOfLine ? 1 : 0);
    result.rows.reserve(entryCount);
    for (std::size_t i = 0; i < entryCount; ++i) {
        if (i < found)
            result.rows.push_back(cutFields(catalog.lines[i], layout));
        else
            result.rows.emplace_back(emptyFields);
    }
    if (!catalog.opened)
        result.notice = unreadableCatalogNotice(fileName);
    else if (found < entryCount)
        result.notice = shortCatalogNotice(fileName, found, entryCount);
    return result;
}

std::string unreadableCatalogNotice(std::string_view fileName) {
    return unreadableFileNotice(fileName, "its names and descriptions are shown empty");
}

std::string unreadableFileNotice(std::string_view fileName, std::string_view consequence) {
    return "Unable to read " + std::string(fileName) + " in the catalog folder; " +
           std::string(consequence) + ".";
}

std::string shortCatalogNotice(std::string_view fileName, std::size_t found, std::size_t expected) {
    return std::string(fileName) + " describes " + std::to_string(found) + " of the " +
           std::to_string(expected) +
           " entries of the document; the others are shown without names and descriptions.";
}

std::string cut(const std::string& field, std::size_t capacity) {
    return field.substr(0, capacity);
}

} // namespace merix
