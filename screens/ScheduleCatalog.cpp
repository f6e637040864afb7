#include "screens/ScheduleCatalog.h"

#include "screens/CatalogRows.h"

namespace merix {

ScheduleCatalog readScheduleCatalog(const std::string& path, std::size_t eventCount) {
    using F = ScheduleFields;
    CatalogRows catalog = readCatalogRows(path, "schedule.cfg", scheduleLayout(), eventCount);
    ScheduleCatalog result;
    result.notice = std::move(catalog.notice);
    result.events.reserve(catalog.rows.size());
    for (std::vector<std::string>& f : catalog.rows)
        result.events.push_back(EventInfo{std::move(f[F::Label]), std::move(f[F::Description])});
    return result;
}

} // namespace merix
