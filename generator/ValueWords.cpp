#include "generator/ValueWords.h"

#include "generator/CatalogLabels.h"
#include "generator/Formatting.h"
#include "generator/ScheduleNames.h"

#include <array>

namespace merix {

namespace {

constexpr std::array<std::string_view, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                   "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string clock(const ScheduleEvent& e) {
    return std::to_string(e.hour) + ':' + twoDigitPad(e.minutes) + (e.amPm != 0 ? " PM" : " AM");
}

std::string weekly(const ScheduleEvent& e) {
    if (e.dayName.empty())
        return "every week at " + clock(e);
    const auto day = weekdayNumber(e.dayName.view());
    if (!day)
        return "never (\"" + e.dayName.str() + "\" is not a day of the week)";
    return "every " + std::string(kDays[static_cast<std::size_t>(*day - 1)]) + " at " + clock(e);
}

std::string yearly(const ScheduleEvent& e) {
    const auto month = monthNumber(e.monthName.view());
    if (!month)
        return "never (\"" + e.monthName.str() + "\" is not a month)";
    return "every year on " + std::string(kMonths[static_cast<std::size_t>(*month - 1)]) + ' ' +
           std::to_string(e.dayOfMonth) + " at " + clock(e);
}

} // namespace

int sentValue(int value, int maximum) {
    return value >= 1 && value <= maximum ? value : 0;
}

std::string toneWords(int length, int pause, int freq1, int freq2) {
    std::string tones = std::to_string(freq1);
    if (freq2 != 0)
        tones += " + " + std::to_string(freq2);
    return tones + " Hz for " + std::to_string(length) + " ms, pause " + std::to_string(pause) +
           " ms";
}

std::string scheduleWords(const ScheduleEvent& e) {
    switch (e.period) {
    case 0:
        return "every hour at minute " + std::to_string(e.minutes);
    case 2:
        return weekly(e);
    case 3:
        return "every month on day " + std::to_string(e.dayOfMonth) + " at " + clock(e);
    case 4:
        return yearly(e);
    default:
        return "every day at " + clock(e);
    }
}

std::string commandWords(std::string_view number, std::string_view parameters,
                         const CatalogLabels& labels) {
    // A line without a command number is kept in the document but never sent.
    std::string out = number.empty() ? "(no command)" : padByLength(number);
    if (!parameters.empty())
        out += ' ' + std::string(parameters);
    if (const std::string& label = labels.commandOrMacro(number); !label.empty())
        out += " (" + label + ')';
    return out;
}

std::string portList(const PortInts& flags) {
    std::string out;
    int allowed = 0;
    for (int p = 0; p < kPortCount; ++p) {
        if (flags[p] == 0)
            continue;
        ++allowed;
        if (!out.empty())
            out += ' ';
        out += std::to_string(p + 1);
    }
    if (allowed == kPortCount)
        return "all";
    return allowed == 0 ? "none" : out;
}

std::string preaccessWords(int preaccess) {
    if (preaccess == 0)
        return "off";
    return preaccess == 1 ? "repeater" : "link";
}

std::string passwordModeWords(int mode, int digits) {
    return mode == 1 ? "challenge of " + std::to_string(digits) + " digits" : "whole password";
}

} // namespace merix
