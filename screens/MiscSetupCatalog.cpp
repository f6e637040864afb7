#include "screens/MiscSetupCatalog.h"

#include "document/CatalogFields.h"
#include "document/LookupList.h"
#include "document/Records.h"
#include "screens/CatalogRows.h"
#include "document/Utf8Text.h"

#include <algorithm>

namespace merix {

namespace {
constexpr std::size_t kKeptCapacity = decltype(PortSetup::AccessMode)::capacity;
} // namespace

AccessModeChoices readAccessModeChoices(const std::string& path) {
    AccessModeChoices result;
    const std::optional<LookupList> list = readLookupList(path, kScreenLineCapacity);
    if (!list) {
        result.notice = unreadableFileNotice("access.cfg", "the Access Mode list is empty");
        return result;
    }
    result.names.reserve(list->size());
    for (const LookupEntry& entry : *list)
        result.names.push_back(entry.name);
    return result;
}

std::string keptAccessMode(std::string_view name) {
    return std::string(name.substr(0, characterBoundary(name, kKeptCapacity)));
}

int accessModeIndex(const std::vector<std::string>& names, std::string_view kept) {
    auto at = std::find(names.begin(), names.end(), kept);
    // A document read from a file keeps the first bytes of a long name, even half a character.
    const auto keptOf = [&](std::string_view name) {
        return keptAccessMode(name) == kept || name.substr(0, kKeptCapacity) == kept;
    };
    if (at == names.end())
        at = std::find_if(names.begin(), names.end(), keptOf);
    return at == names.end() ? -1 : static_cast<int>(at - names.begin());
}

} // namespace merix
