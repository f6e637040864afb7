#pragma once

#include "screens/FieldText.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// The rules of the Scheduler screen's fields, apart from the widgets.

// How often an event occurs: the values of `period`.
enum class EventPeriod { Hour = 0, Day = 1, Week = 2, Month = 3, Year = 4 };
inline constexpr int kPeriodCount = 5;

inline constexpr std::size_t kEventCommentCapacity = 999;

inline constexpr const char* kCommandNumberInvalid =
    "Invalid entry!  Enter in a three digit command or macro number.";
// The message says 1 - 60, but 0 to 60 are accepted and 0 is what a bad entry becomes.
inline constexpr const char* kMinutesInvalid =
    "Invalid entry!  Enter in the minute of the hour (1 - 60).";
inline constexpr const char* kDayOfMonthInvalid = "Invalid entry!  Enter in the day of the month.";
inline constexpr const char* kDayInvalidForMonth =
    "The day of the month entered is invalid for this month.  Setting Day of Month to 1.";

// Which controls, besides Minutes, an event of the period shows. Hour stands for the Hour
// list and the AM and PM buttons.
struct PeriodControls {
    bool hour = false;
    bool day = false;
    bool dayOfMonth = false;
    bool month = false;

    bool operator==(const PeriodControls&) const = default;
};
PeriodControls controlsShownFor(int period);

// Comment: ':' and ';' are removed as they are typed.
FieldEdit checkEventComment(std::u16string_view text);

// Command or macro number: digits only; more than three empty the field with a message.
FieldEdit checkCommandNumber(std::u16string_view text);

// Minutes: digits only; up to two of them and at most 60, or the field becomes "0" with a
// message.
FieldEdit checkMinutes(std::u16string_view text);

// Day of month: digits only; up to two of them, a day the month shown has (see isDayValid),
// not 0 unless the field is empty; or the field becomes "1" with a message.
FieldEdit checkDayOfMonth(std::u16string_view text, int period, std::string_view month);

// An event that occurs once a month may name any day up to 31; otherwise February has 29 days
// (leap years aside), the months whose names occur in "SeptemberAprilJuneNovember" (and no
// month at all) have 30, the others 31.
bool isDayValid(long day, int period, std::string_view month);

// The drop-down lists, in the order shown.
const std::vector<std::string>& hourChoices();
const std::vector<std::string>& dayChoices();
const std::vector<std::string>& monthChoices();

// A line of the event list: the catalog's list name, then " - " and the comment when there
// is one.
std::string eventListLine(const std::string& listName, const std::string& comment);

} // namespace merix
