#include "screens/TimerCatalog.h"

#include "document/CatalogFields.h"

namespace merix {

std::vector<TimerInfo> readTimerInfo(const std::string& path) {
    enum { Key, Label, Number, Default, Maximum, Description };
    std::vector<TimerInfo> timers;
    const CatalogLines catalog = readCatalogEntryLines(path, kScreenLineCapacity);
    const FieldLayout layout = timersLayout();
    for (const std::string& line : catalog.lines) {
        std::vector<std::string> fields = cutFields(line, layout);
        fields.resize(Description + 1);
        TimerInfo info;
        info.label = fields[Label].substr(0, 59);
        info.defaultLength = fields[Default].substr(0, 4);
        info.maximum = fields[Maximum].substr(0, 4);
        info.description = fields[Description];
        timers.push_back(std::move(info));
    }
    return timers;
}

} // namespace merix
