#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace merix {

// What the Scheduler screen shows of each event beside its stored values, read again from
// schedule.cfg each time the screen opens.
struct EventInfo {
    std::string listName;
    std::string description;
};

struct ScheduleCatalog {
    std::vector<EventInfo> events; // one per event of the document
    std::string notice;            // see CatalogRows
};

ScheduleCatalog readScheduleCatalog(const std::string& path, std::size_t eventCount);

} // namespace merix
