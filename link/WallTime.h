#pragma once

#include <chrono>
#include <string>

namespace merix {

using WallTime = std::chrono::system_clock::time_point;

// "2024-05-01T14:03:12+02:00": local time with its offset, as the history shows it.
std::string isoLocalTime(WallTime time);
// "2024-05-01T14:03:12.345": local time to the millisecond, for the lines of a transcript.
std::string isoLocalTimeMs(WallTime time);
// "2024-05-01T12-03-12.345Z": UTC, for file names that sort in time order whatever the
// time zone or summer time did meanwhile, and hold no ':' for other file systems.
std::string fileStamp(WallTime time);

} // namespace merix
