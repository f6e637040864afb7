#include "screens/SchedulerRules.h"

#include <algorithm>

namespace merix {

namespace {

constexpr std::size_t kCommandNumberDigits = 3;
constexpr std::size_t kTwoDigits = 2;
constexpr long kMaxMinutes = 60;

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// Anything but a digit goes first, quietly, the caret where it stood.
std::optional<FieldEdit> withoutFirstNonDigit(std::u16string_view text) {
    if (const auto bad = firstNonDigitAt(text))
        return FieldEdit{removeCharacterAt(text, *bad), static_cast<int>(*bad), {}};
    return std::nullopt;
}

FieldEdit resetTo(std::u16string_view text, const char* message) {
    return FieldEdit{std::u16string(text), -1, message};
}

} // namespace

PeriodControls controlsShownFor(int period) {
    switch (static_cast<EventPeriod>(period)) {
    case EventPeriod::Hour:
        return {};
    case EventPeriod::Day:
        return {true, false, false, false};
    case EventPeriod::Week:
        return {true, true, false, false};
    case EventPeriod::Month:
        return {true, false, true, false};
    case EventPeriod::Year:
        return {true, false, true, true};
    }
    return {};
}

FieldEdit checkEventComment(std::u16string_view text) {
    return removeFirstOf(text, kSeparatorCharacters);
}

FieldEdit checkCommandNumber(std::u16string_view text) {
    if (auto edit = withoutFirstNonDigit(text))
        return *edit;
    if (text.size() > kCommandNumberDigits)
        return resetTo(u"", kCommandNumberInvalid);
    return unchanged(text);
}

FieldEdit checkMinutes(std::u16string_view text) {
    if (auto edit = withoutFirstNonDigit(text))
        return *edit;
    if (text.size() > kTwoDigits || numberIn(text) > kMaxMinutes)
        return resetTo(u"0", kMinutesInvalid);
    return unchanged(text);
}

FieldEdit checkDayOfMonth(std::u16string_view text, int period, std::string_view month) {
    if (auto edit = withoutFirstNonDigit(text))
        return *edit;
    const long day = numberIn(text);
    if (text.size() > kTwoDigits || !isDayValid(day, period, month) || (day == 0 && !text.empty()))
        return resetTo(u"1", kDayOfMonthInvalid);
    return unchanged(text);
}

bool isDayValid(long day, int period, std::string_view month) {
    if (period == static_cast<int>(EventPeriod::Month))
        return day <= 31;
    if (equalsIgnoringCase(month, "February"))
        return day <= 29;
    if (std::string_view("SeptemberAprilJuneNovember").find(month) != std::string_view::npos)
        return day <= 30;
    return day <= 31;
}

const std::vector<std::string>& hourChoices() {
    static const std::vector<std::string> hours{"1", "2", "3", "4",  "5",  "6",
                                                "7", "8", "9", "10", "11", "12"};
    return hours;
}

const std::vector<std::string>& dayChoices() {
    static const std::vector<std::string> days{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
    return days;
}

const std::vector<std::string>& monthChoices() {
    static const std::vector<std::string> months{"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
    return months;
}

std::string eventListLine(const std::string& listName, const std::string& comment) {
    return comment.empty() ? listName : listName + " - " + comment;
}

} // namespace merix
