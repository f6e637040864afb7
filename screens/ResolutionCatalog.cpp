#include "screens/ResolutionCatalog.h"

#include "document/CatalogFields.h"
#include "screens/AnalogRules.h"
#include "screens/CatalogRows.h"

#include <algorithm>

namespace merix {

namespace {
constexpr std::size_t kNameLength = 99;
} // namespace

ResolutionCatalog readResolutionCatalog(const std::string& path) {
    using F = ResolutionFields;
    ResolutionCatalog result;
    const CatalogLines catalog = readCatalogEntryLines(path, kScreenLineCapacity);
    if (!catalog.opened) {
        result.notice = "Unable to read resolutn.cfg in the catalog folder; the Resolution list "
                        "is empty.";
        return result;
    }
    // Only lines the file holds: a count beyond them offers no empty names.
    result.resolutions.reserve(catalog.linesRead);
    for (std::size_t i = 0; i < catalog.linesRead; ++i) {
        const std::vector<std::string> f = cutFields(catalog.lines[i], resolutionsLayout());
        // Decimals the screen cannot show are taken as the nearest it can.
        result.resolutions.push_back(
            Resolution{cut(f[F::Name], kNameLength), static_cast<i16>(readInt(f[F::Low])),
                       static_cast<i16>(readInt(f[F::High])),
                       std::clamp(readInt(f[F::Decimals]), 0, kMaxDecimals)});
    }
    if (catalog.linesRead < catalog.lines.size())
        result.notice = "resolutn.cfg holds " + std::to_string(catalog.linesRead) + " of the " +
                        std::to_string(catalog.lines.size()) +
                        " resolutions its count gives; only those are offered.";
    return result;
}

} // namespace merix
