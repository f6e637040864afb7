#include "document/LookupList.h"

#include "document/CatalogFields.h"
#include "document/FieldCursor.h"
#include "document/LineReader.h"

namespace merix {

LookupEntry cutLookupLine(std::string_view line) {
    FieldCursor cursor(line);
    LookupEntry entry;
    entry.name = cursor.next(',').value_or(std::string_view());
    entry.code = cursor.rest().value_or(std::string_view());
    return entry;
}

std::optional<LookupList> readLookupList(const std::string& path, std::size_t maxLine) {
    LineReader reader(path);
    if (!reader.isOpen())
        return std::nullopt;
    reader.nextLine(maxLine); // title
    const int count = readInt(reader.nextLine(maxLine).value_or(std::string_view()));
    LookupList list;
    for (int i = 0; i < count; ++i) {
        const auto line = reader.nextLine(maxLine);
        if (!line)
            break;
        list.push_back(cutLookupLine(*line));
    }
    return list;
}

} // namespace merix
