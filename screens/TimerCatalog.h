#pragma once

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

// Empty when the file cannot be opened.
std::vector<TimerInfo> readTimerInfo(const std::string& path);

} // namespace merix
