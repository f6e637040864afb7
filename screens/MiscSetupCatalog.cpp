#include "screens/MiscSetupCatalog.h"

#include "document/CatalogFields.h"
#include "document/LookupList.h"
#include "document/Records.h"
#include "screens/CatalogRows.h"

namespace merix {

AccessModeChoices readAccessModeChoices(const std::string& path) {
    AccessModeChoices result;
    const std::optional<LookupList> list = readLookupList(path, kScreenLineCapacity);
    if (!list) {
        result.notice = unreadableFileNotice("access.cfg", "the Access Mode list is empty");
        return result;
    }
    // A port keeps the name cut to its capacity; the list shows what the port would keep, so
    // the kept name is found in it again.
    constexpr std::size_t kept = decltype(PortSetup::AccessMode)::capacity;
    result.names.reserve(list->size());
    for (const LookupEntry& entry : *list)
        result.names.push_back(cut(entry.name, kept));
    return result;
}

} // namespace merix
