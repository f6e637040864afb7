#include "screens/TimerCatalog.h"

#include "screens/CatalogRows.h"

namespace merix {

TimerCatalog readTimerCatalog(const std::string& path, std::size_t timerCount) {
    using F = TimerFields;
    CatalogRows catalog = readCatalogRows(path, "timers.cfg", timersLayout(), timerCount);
    TimerCatalog result;
    result.notice = std::move(catalog.notice);
    result.timers.reserve(catalog.rows.size());
    for (const std::vector<std::string>& f : catalog.rows)
        result.timers.push_back(TimerInfo{cut(f[F::Label], 59), cut(f[F::MaximumLength], 4),
                                          cut(f[F::DefaultLength], 4), f[F::Description]});
    return result;
}

} // namespace merix
