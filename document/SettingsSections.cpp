#include "document/CatalogFields.h"
#include "document/ConfigDocument.h"
#include "document/DocumentInput.h"
#include "document/DocumentSections.h"
#include "document/SectionKeys.h"

#include <type_traits>

namespace merix {

namespace {

// All after the first '=', or nullopt when the line has none.
std::optional<std::string_view> valueOf(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return line.substr(eq + 1);
}

} // namespace

void readToneSection(ConfigDocument& doc, DocumentInput& in, int count) {
    std::vector<int*> values;
    forEachToneValue(doc.tones, [&values](const std::string&, int& v) { values.push_back(&v); });
    const int k = std::min(count, kToneValueCount);
    for (int i = 0; i < k; ++i) {
        const auto line = in.entryLine();
        if (!line)
            return;
        // A line without '=' holds no value; the catalog's stays.
        if (const auto value = valueOf(*line))
            *values[static_cast<std::size_t>(i)] = readInt(*value);
    }
}

void readPortSection(ConfigDocument& doc, DocumentInput& in, int count) {
    for (int b = 0; b < count; ++b) {
        const auto header = in.entryLine();
        if (!header)
            return;
        const auto blank = header->find(' ');
        const int port = blank == std::string_view::npos ? 0 : readInt(header->substr(blank + 1));
        if (port < 1 || port > kPortCount)
            return;
        bool ended = false;
        forEachPortValue(
            doc.ports[static_cast<std::size_t>(port - 1)], [&](const char*, auto& field) {
                const auto line = ended ? std::nullopt : in.entryLine();
                if (!line) {
                    ended = true;
                    return;
                }
                // A line without '=' gives an empty text or 0.
                const std::string_view value = valueOf(*line).value_or(std::string_view());
                if constexpr (std::is_same_v<std::remove_reference_t<decltype(field)>, int>)
                    field = readInt(value);
                else
                    field = value;
            });
        if (ended)
            return;
    }
}

} // namespace merix
