#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace merix {

// What the Timers screen shows of each timer beside its stored length, read again from
// timers.cfg each time the screen opens.
struct TimerInfo {
    std::string label;         // at most 59 characters
    std::string maximum;       // at most 4 characters
    std::string defaultLength; // at most 4 characters
    std::string description;
};

struct TimerCatalog {
    std::vector<TimerInfo> timers; // one per timer of the document
    std::string notice;            // see CatalogRows
};

TimerCatalog readTimerCatalog(const std::string& path, std::size_t timerCount);

} // namespace merix
