#include "link/WallTime.h"

#include <cstdio>
#include <ctime>

namespace merix {

namespace {

std::tm localParts(WallTime time) {
    const std::time_t t = std::chrono::system_clock::to_time_t(time);
    std::tm parts{};
    ::localtime_r(&t, &parts);
    return parts;
}

int millisecondsOf(WallTime time) {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(time.time_since_epoch()).count() % 1000;
    return static_cast<int>(ms < 0 ? ms + 1000 : ms);
}

} // namespace

std::string isoLocalTime(WallTime time) {
    const std::tm parts = localParts(time);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &parts);
    const long offset = parts.tm_gmtoff / 60;
    const int minutes = static_cast<int>((offset < 0 ? -offset : offset) % (24 * 60));
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return std::string(text) + zone;
}

std::string isoLocalTimeMs(WallTime time) {
    const std::tm parts = localParts(time);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &parts);
    char ms[8];
    std::snprintf(ms, sizeof ms, ".%03d", millisecondsOf(time));
    return std::string(text) + ms;
}

std::string fileStamp(WallTime time) {
    const std::time_t t = std::chrono::system_clock::to_time_t(time);
    std::tm parts{};
    ::gmtime_r(&t, &parts);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H-%M-%S", &parts);
    char ms[8];
    std::snprintf(ms, sizeof ms, ".%03dZ", millisecondsOf(time));
    return std::string(text) + ms;
}

} // namespace merix
